#pragma once

#include "drums/core/PostingHostWindow.h"

#include <ostream>
#include <vector>

namespace velmar::drums::test {

// One message to the host, sent (waiting for the answer) or posted.
struct ToHost {
    enum class Call { Send, Post };
    Call How = Call::Send;
    platform::UINT Message = 0;
    platform::WPARAM WParam = 0;
    platform::LPARAM LParam = 0;

    friend bool operator==(const ToHost&, const ToHost&) = default;
};

inline void PrintTo(const ToHost& message, std::ostream* out)
{
    *out << (message.How == ToHost::Call::Send ? "send " : "post ") << message.Message << " ("
         << message.WParam << ", 0x" << std::hex << message.LParam << std::dec << ')';
}

[[nodiscard]] inline ToHost Sent(platform::UINT message, platform::WPARAM wParam = 0,
                                 platform::LPARAM lParam = 0)
{
    return {ToHost::Call::Send, message, wParam, lParam};
}

[[nodiscard]] inline ToHost Posted(platform::UINT message, platform::WPARAM wParam = 0,
                                   platform::LPARAM lParam = 0)
{
    return {ToHost::Call::Post, message, wParam, lParam};
}

// The host's window keeping every message in order and answering 0.
class RecordingHost : public PostingHostWindow {
public:
    platform::LRESULT Send(platform::UINT message, platform::WPARAM wParam,
                           platform::LPARAM lParam) override
    {
        messages.push_back(Sent(message, wParam, lParam));
        return 0;
    }
    bool Post(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override
    {
        messages.push_back(Posted(message, wParam, lParam));
        return true;
    }

    std::vector<ToHost> messages;
};

} // namespace velmar::drums::test
