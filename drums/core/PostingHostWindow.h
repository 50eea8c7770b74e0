#pragma once

#include "drums/core/HostWindow.h"

namespace velmar::drums {

// The host's main window for the drum window's own requests: besides the questions it
// sends, it posts the transport commands and the recording copies of played notes,
// without waiting for the host.
class PostingHostWindow : public HostWindow {
public:
    // Queues `message` for the host; false when its window is gone.
    virtual bool Post(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) = 0;
};

} // namespace velmar::drums
