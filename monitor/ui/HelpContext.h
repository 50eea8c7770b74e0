#pragma once

class QWidget;

namespace velmar::monitor {

// The help topic that F1 opens for a control; a control without one of its own takes the
// topic of the nearest parent that has one.
void SetHelpContext(QWidget& widget, int context);
[[nodiscard]] int HelpContextOf(const QWidget* widget);

} // namespace velmar::monitor
