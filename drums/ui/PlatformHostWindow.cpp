#include "drums/ui/PlatformHostWindow.h"

namespace velmar::drums {

platform::LRESULT PlatformHostWindow::Send(platform::UINT message, platform::WPARAM wParam,
                                           platform::LPARAM lParam)
{
    return platform::SendMessageA(m_hwnd, message, wParam, lParam);
}

bool PlatformHostWindow::Post(platform::UINT message, platform::WPARAM wParam,
                              platform::LPARAM lParam)
{
    return platform::PostMessageA(m_hwnd, message, wParam, lParam);
}

} // namespace velmar::drums
