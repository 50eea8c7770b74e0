// A host for the sign-in test under Wine, written against the Windows API alone, as a
// host on Windows would be: it creates the host link block "KorvoExeInfo", owns a top-level
// window that identifies itself and accepts a sign-in, writes numbered events into the ring
// as fast as the plug-in takes them, and then sends the plug-in a mark.
//
// Usage: windows_host_stand_in <events>. It prints "ready <hwnd>" when it is set up,
// "mark <reply>" once the plug-in has answered the mark, and "signed off <handle>" (the
// lParam it got at sign-in) when the plug-in leaves; then it ends.

#include "tests/windows/StandInProtocol.h"

#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace velmar::test::standin;

constexpr UINT kHostQueryIdentify = 1283;
constexpr UINT kHostCmdSignIn = 1282;
constexpr UINT kHostCmdSignOff = 1265;
constexpr UINT kHostMsgSetMark = 1324;
constexpr UINT_PTR kWriteTimer = 1;

constexpr std::size_t kPrefix = 4;
constexpr std::size_t kBlockLength = 70020;
constexpr std::size_t kWriteIndexOffset = 6012;
constexpr std::size_t kReadIndexOffset = 6014;
constexpr unsigned kLastSlot = 1000;

unsigned char* g_block = nullptr;
unsigned g_eventsToWrite = 0;
unsigned g_written = 0;
LPARAM g_signInHandle = 0;
bool g_signedIn = false;

volatile SHORT* indexAt(std::size_t offset)
{
    return reinterpret_cast<volatile SHORT*>(g_block + offset);
}

unsigned nextIndex(unsigned index)
{
    return index >= kLastSlot ? 1 : index + 1;
}

// Writes what the ring has room for; the plug-in frees slots as it reads.
void writeEvents()
{
    while (g_written < g_eventsToWrite) {
        const auto write = static_cast<unsigned short>(*indexAt(kWriteIndexOffset));
        const auto read = static_cast<unsigned short>(*indexAt(kReadIndexOffset));
        // Full: the next slot is the one the plug-in reads next. Until the plug-in has taken
        // slot 0 of a fresh block, its index 0 is behind slot 1000, not slot 0.
        if (nextIndex(write) == read || (read == 0 && write == kLastSlot))
            return;
        const std::uint16_t source = EventSource(g_written);
        const std::uint32_t message = EventMessage(g_written);
        unsigned char* slot = g_block + 6 + 6 * static_cast<std::size_t>(write);
        std::memcpy(slot, &source, 2);
        std::memcpy(slot + 2, &message, 4);
        // The slot is complete before the index moves past it, with one aligned store.
        MemoryBarrier();
        *indexAt(kWriteIndexOffset) = static_cast<SHORT>(nextIndex(write));
        ++g_written;
    }
}

// The plug-in's window: the top-level window of our window class that another process owns.
HWND g_plugInWindow = nullptr;

BOOL CALLBACK findPlugInWindow(HWND window, LPARAM)
{
    char className[64] = {};
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != ::GetCurrentProcessId() &&
        ::GetClassNameA(window, className, sizeof className) > 0 &&
        std::strcmp(className, kPlugInWindowClass) == 0) {
        g_plugInWindow = window;
        return FALSE;
    }
    return TRUE;
}

void sendMark()
{
    ::EnumWindows(findPlugInWindow, 0);
    DWORD_PTR reply = 0;
    if (g_plugInWindow == nullptr || !::SendMessageTimeoutA(g_plugInWindow, kHostMsgSetMark, kMark,
                                                            0, SMTO_NORMAL, 5000, &reply))
        reply = 0;
    std::printf("mark %llu\n", static_cast<unsigned long long>(reply));
    std::fflush(stdout);
}

LRESULT CALLBACK hostWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kHostQueryIdentify:
        return 259;
    case kHostCmdSignIn:
        g_signInHandle = lParam;
        g_signedIn = true;
        ::SetTimer(window, kWriteTimer, 2, nullptr);
        return 1;
    case kHostCmdSignOff:
        std::printf("signed off %lld\n", static_cast<long long>(g_signInHandle));
        std::fflush(stdout);
        ::PostQuitMessage(0);
        return 0;
    case WM_TIMER:
        if (wParam == kWriteTimer && g_signedIn) {
            writeEvents();
            if (g_written == g_eventsToWrite) {
                ::KillTimer(window, kWriteTimer);
                sendMark();
            }
        }
        return 0;
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv)
{
    g_eventsToWrite = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 0;

    HANDLE mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                          kPrefix + kBlockLength, "KorvoExeInfo");
    if (mapping == nullptr)
        return 2;
    auto* view =
        static_cast<unsigned char*>(::MapViewOfFileEx(mapping, FILE_MAP_WRITE, 0, 0, 0, nullptr));
    if (view == nullptr)
        return 3;
    const auto length = static_cast<std::uint32_t>(kBlockLength);
    std::memcpy(view, &length, kPrefix);
    g_block = view + kPrefix;
    std::memcpy(g_block, kHostBytes, sizeof kHostBytes);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = hostWindow;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "WindowsHostStandIn";
    if (::RegisterClassA(&windowClass) == 0)
        return 4;
    HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, "Host", WS_OVERLAPPED, 0, 0, 100,
                                    100, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr)
        return 5;
    std::printf("ready %x\n",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(window) & 0xFFFF'FFFFU));
    std::fflush(stdout);

    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::UnmapViewOfFile(view);
    ::CloseHandle(mapping);
    return 0;
}
