#pragma once

class QWidget;

namespace velmar::monitor {

// Moves the mouse cursor onto the form's default button, when the system's "snap to the
// default button" setting asks for that. The setting is asked once per process.
void SnapCursorToDefaultButton(QWidget& form);

} // namespace velmar::monitor
