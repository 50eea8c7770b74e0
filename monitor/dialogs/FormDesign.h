#pragma once

#include <QFont>
#include <QWidget>

namespace velmar::monitor {

// The frames of the monitor's dialogs: tool windows that stay on top, with a close box.
[[nodiscard]] Qt::WindowFlags FixedToolWindowFlags();
[[nodiscard]] Qt::WindowFlags SizeableToolWindowFlags();

// "MS Sans Serif" 8 point of the design: the system's sans-serif face at 11 pixels, narrowed.
[[nodiscard]] QFont DesignFont();

// What every dialog's creation does first: the design font, check boxes and radio buttons
// widened where their captions need it, then, with the Japanese
// language chosen, the Japanese font adjustment (the dialogs keep no scale factor).
void ApplyDesignFont(QWidget& form);

template <typename Widget>
Widget* Place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace velmar::monitor
