#pragma once

#include "monitor/core/OstraSettings.h"
#include "runtime/ui/FormRules.h"

namespace velmar::monitor {

// While a message box or dialog that the main window opened is up, the main window leaves
// the topmost band, so that it does not hide the box; only when it stays on top by choice.
// Afterwards it is back in the band whatever the choice is now, as it is whenever it is
// shown: the choice only decides whether it steps aside for the dialogs and, in a bare
// window, for other programs.
class TopmostBracket {
public:
    TopmostBracket(QWidget& window, const OstraSettings& settings)
        : m_window(window)
        , m_settings(settings)
    {
        if (m_settings.AlwaysOnTop != 0)
            MakeNotTopmost(m_window);
    }
    ~TopmostBracket() { MakeTopmost(m_window); }
    TopmostBracket(const TopmostBracket&) = delete;
    TopmostBracket& operator=(const TopmostBracket&) = delete;

private:
    QWidget& m_window;
    const OstraSettings& m_settings;
};

} // namespace velmar::monitor
