#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace velmar::platform {

// A top-level window that takes part in messaging. Never 0.
using HWND = std::uint32_t;
using UINT = std::uint32_t;
using WPARAM = std::int64_t;
using LPARAM = std::int64_t;
using LRESULT = std::int64_t;

// Called on the thread that dispatches messages, for every message sent or posted to the
// window (on Windows, every one from WM_USER on; the system's own go to its default
// handling). The result answers a sent message and is dropped for a posted one.
using WindowProc = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

// The messaging end of one top-level window: while it exists, other processes of the
// session can list the window and send or post messages to it.
class WindowEndpoint {
public:
    // Throws PlatformError when the endpoint cannot be created.
    [[nodiscard]] static std::unique_ptr<WindowEndpoint> create(WindowProc proc);
    ~WindowEndpoint();
    WindowEndpoint(const WindowEndpoint&) = delete;
    WindowEndpoint& operator=(const WindowEndpoint&) = delete;

    [[nodiscard]] HWND hwnd() const { return m_hwnd; }

private:
    explicit WindowEndpoint(HWND hwnd)
        : m_hwnd(hwnd)
    {}
    HWND m_hwnd;
};

// Every window of the session that accepts messages, this process's own included.
[[nodiscard]] std::vector<HWND> EnumWindows();
[[nodiscard]] std::uint32_t GetWindowThreadProcessId(HWND hwnd);
[[nodiscard]] HWND GetParent(HWND hwnd);

// Delivers the message and waits for the window's answer, serving messages sent to this
// process's own windows meanwhile. 0 when the window is gone, belongs to another user,
// or gives no answer within the send timeout.
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Queues the message for the window and returns; false when the window is gone.
bool PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

constexpr int kSendTimeoutMs = 5000;

#ifndef _WIN32
// A descriptor that becomes readable when messages wait for this process's windows; an
// event loop watches it and calls dispatchMessages() when it is. (On Windows the thread's
// message queue takes its place, which the event loop serves anyway.)
[[nodiscard]] int messageNotifierFd();
#endif

// Waits up to `timeoutMs` for messages to this process's windows; true when some wait.
// For programs without an event loop of their own; they then call dispatchMessages().
bool waitForMessages(int timeoutMs);

// Handles every message that waits now, without blocking.
void dispatchMessages();

// The process that sent or posted the message being handled now; 0 outside a handler, and
// always 0 on Windows, which does not tell a window who sent it a message.
// A host uses it to find the window of the plug-in that signs in.
[[nodiscard]] std::uint32_t MessageSenderProcessId();

} // namespace velmar::platform
