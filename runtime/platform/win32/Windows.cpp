#include "runtime/platform/Windows.h"

#include "runtime/platform/PlatformError.h"
#include "runtime/platform/win32/EndpointForwarding.h"
#include "runtime/platform/win32/Win32Error.h"
#include "runtime/platform/win32/Win32Handles.h"

#include <windows.h>
#include <map>
#include <memory>

namespace velmar::platform {

namespace {

constexpr const char* kWindowClass = "VelmarMessageWindow";
// The messages a window's handler sees: the user and application ranges. The system's own
// messages (creation, painting, closing) go to the default handling.
constexpr UINT kLastApplicationMessage = 0xBFFF;

// The handlers of this process's windows. Held by shared pointer: a handler may destroy its
// own window while it runs.
struct Handler {
    std::shared_ptr<WindowProc> proc;
    unsigned long order; // the first endpoint answers for the process's other windows
};

std::map<::HWND, Handler>& handlers()
{
    static std::map<::HWND, Handler> byWindow;
    return byWindow;
}

::LRESULT CALLBACK windowProcedure(::HWND window, ::UINT message, ::WPARAM wParam, ::LPARAM lParam)
{
    if (message >= WM_USER && message <= kLastApplicationMessage) {
        const auto found = handlers().find(window);
        if (found != handlers().end()) {
            const std::shared_ptr<WindowProc> handler = found->second.proc;
            return static_cast<::LRESULT>(
                (*handler)(message, static_cast<platform::WPARAM>(wParam), lParam));
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

void registerWindowClass()
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kWindowClass;
        if (::RegisterClassA(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw PlatformError(
                describeLastError("Cannot register the window class", ::GetLastError()));
        return true;
    }();
    (void)registered;
}

BOOL CALLBACK collectWindow(::HWND window, ::LPARAM list)
{
    reinterpret_cast<std::vector<platform::HWND>*>(list)->push_back(fromNativeWindow(window));
    return TRUE;
}

} // namespace

// A real top-level window that is never shown: EnumWindows lists it, and other processes
// reach it by its handle. Messages come to the handler through the thread's message queue,
// served by dispatchMessages() or by any event loop of the thread.
std::unique_ptr<WindowEndpoint> WindowEndpoint::create(WindowProc proc)
{
    registerWindowClass();
    ::HWND window = ::CreateWindowExA(0, kWindowClass, "", WS_OVERLAPPED, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        throw PlatformError(describeLastError("Cannot create a window", ::GetLastError()));
    static unsigned long created = 0;
    handlers()[window] = Handler{std::make_shared<WindowProc>(std::move(proc)), ++created};
    return std::unique_ptr<WindowEndpoint>(new WindowEndpoint(fromNativeWindow(window)));
}

WindowEndpoint::~WindowEndpoint()
{
    const ::HWND window = toNativeWindow(m_hwnd);
    handlers().erase(window);
    ::DestroyWindow(window);
}

std::vector<platform::HWND> EnumWindows()
{
    std::vector<platform::HWND> windows;
    ::EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::uint32_t GetWindowThreadProcessId(platform::HWND hwnd)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(toNativeWindow(hwnd), &pid);
    return pid;
}

platform::HWND GetParent(platform::HWND hwnd)
{
    return fromNativeWindow(::GetParent(toNativeWindow(hwnd)));
}

// While it waits, the thread handles messages other threads send to its windows (nested as
// deep as they come; posted ones wait in the queue), as the POSIX layer does up to 8 deep.
platform::LRESULT SendMessageA(platform::HWND hwnd, UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutA(toNativeWindow(hwnd), message, static_cast<::WPARAM>(wParam),
                              static_cast<::LPARAM>(lParam), SMTO_NORMAL, kSendTimeoutMs,
                              &result) == 0)
        return 0;
    return static_cast<platform::LRESULT>(result);
}

bool PostMessageA(platform::HWND hwnd, UINT message, platform::WPARAM wParam,
                  platform::LPARAM lParam)
{
    return ::PostMessageA(toNativeWindow(hwnd), message, static_cast<::WPARAM>(wParam),
                          static_cast<::LPARAM>(lParam)) != FALSE;
}

bool waitForMessages(int timeoutMs)
{
    // MWMO_INPUTAVAILABLE: also messages that came before and were only looked at.
    return ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeoutMs), QS_ALLINPUT,
                                         MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0;
}

void dispatchMessages()
{
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Not ours to take: the thread's own loop ends on it.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

std::optional<platform::LRESULT> handleForQtWindow(::HWND window, UINT message,
                                                   platform::WPARAM wParam, platform::LPARAM lParam)
{
    if (message < WM_USER || message > kLastApplicationMessage || handlers().contains(window))
        return std::nullopt;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != ::GetCurrentProcessId() || handlers().empty())
        return std::nullopt;
    auto first = handlers().begin();
    for (auto it = handlers().begin(); it != handlers().end(); ++it)
        if (it->second.order < first->second.order)
            first = it;
    const std::shared_ptr<WindowProc> handler = first->second.proc;
    return (*handler)(message, wParam, lParam);
}

std::uint32_t MessageSenderProcessId()
{
    return 0;
}

} // namespace velmar::platform
