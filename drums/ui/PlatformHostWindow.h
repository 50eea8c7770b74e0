#pragma once

#include "drums/core/PostingHostWindow.h"

namespace velmar::drums {

// The host's main window reached through the platform's window messages.
class PlatformHostWindow : public PostingHostWindow {
public:
    // The window every message goes to; 0 until the link is made.
    void setHwnd(platform::HWND hwnd) { m_hwnd = hwnd; }
    [[nodiscard]] platform::HWND hwnd() const { return m_hwnd; }

    platform::LRESULT Send(platform::UINT message, platform::WPARAM wParam,
                           platform::LPARAM lParam) override;
    bool Post(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    platform::HWND m_hwnd = 0;
};

} // namespace velmar::drums
