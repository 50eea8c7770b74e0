#pragma once

#include <QRect>
#include <QWidget>

namespace velmar::test {

// The part of a control that shows: a label's text, a check box's or radio button's box
// and caption, or else the whole control.
[[nodiscard]] QRect ShownPart(const QWidget& control);

// Checks a shown dialog's placement: every control of the dialog and of its group boxes
// keeps a gap to the edge it stands in, the controls of a group box stay inside its frame,
// below its title, and no two controls of one parent overlap.
void ExpectControlsClearOfEdges(const QWidget& dialog);

} // namespace velmar::test
