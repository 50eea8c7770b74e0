#pragma once

#include <QString>

class QWidget;

namespace velmar {

// Window rules every form of both programs follows.

// Puts a window into the topmost band or takes it out, without moving or activating it.
void MakeTopmost(QWidget& window);
void MakeNotTopmost(QWidget& window);

// An error message box with one OK button, captioned with the "Error" string.
void ShowErrorBox(QWidget* owner, const QString& text);

// Scales a form's size, the place and size of every widget in it and the columns and rows of
// every grid, by m / d, as a layout drawn for one font is scaled for a larger one. A form of
// fixed size stays fixed, at its new size.
void ScaleBy(QWidget& form, int m, int d);

// With the Japanese language chosen, every form switches to the Japanese face (or the
// font override) at size 9 (or the size override). A form that does not scale itself is
// scaled by the change in font height, but never beyond the screen's height. Returns the
// factor applied (1 when none).
double ApplyJapaneseFontAdjustment(QWidget& form, bool formScalesItself);

// Opens help `context` of `helpFile` in the user's browser; names the file when missing.
void OpenHelp(QWidget* owner, const QString& helpFile, int context);

} // namespace velmar
