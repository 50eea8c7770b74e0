#pragma once

#include "runtime/platform/Windows.h"

namespace velmar::drums {

// The host's main window as the drum display's core talks to it; the program sends
// through the platform layer, tests answer in place.
class HostWindow {
public:
    virtual ~HostWindow() = default;

    // Delivers `message` and returns the host's answer; 0 when there is none.
    virtual platform::LRESULT Send(platform::UINT message, platform::WPARAM wParam,
                                   platform::LPARAM lParam) = 0;
};

} // namespace velmar::drums
