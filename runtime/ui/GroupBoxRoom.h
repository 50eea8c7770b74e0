#pragma once

#include <QRect>

class QGroupBox;
class QWidget;

namespace velmar {

// Where the controls of a group box go without touching its frame or title, as the style
// draws them, in the box's own coordinates.
[[nodiscard]] QRect GroupBoxRoom(const QGroupBox& box);

// Forms are placed at design pixels, measured for a style whose group titles are lower
// than many styles draw them. Moves the controls of each group box of `form` down into the
// room below its title, keeping their spacing; a box whose controls then reach its frame
// is lengthened, and what stands below it, and the form, move down by as much.
void MakeRoomForGroupTitles(QWidget& form);

} // namespace velmar
