// A second process for the messaging and shared-memory tests. It prints "ready <hwnd>"
// (hexadecimal, 0 when it has no window) once it is set up, then does what its mode says;
// "exit" ends at once (a process that is gone).

#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Clock.h"
#include "runtime/platform/NamedMapping.h"
#include "runtime/platform/Windows.h"
#include "tests/platform/PeerProtocol.h"

#ifndef _WIN32
#include "tests/platform/ForeignPeer.h"
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using namespace velmar::platform;

using namespace velmar::test::peer;

bool g_quit = false;

void announce(HWND hwnd)
{
    std::printf("ready %x\n", hwnd);
    std::fflush(stdout);
}

void runLoop(const std::function<void()>& idle = {}, int lifetimeMs = 30000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(lifetimeMs);
    while (!g_quit && std::chrono::steady_clock::now() < end) {
        if (idle)
            idle();
        if (waitForMessages(idle ? 0 : 50))
            dispatchMessages();
    }
}

int echo()
{
    long expected = 0;
    bool inOrder = true;
    auto window = WindowEndpoint::create([&](UINT message, WPARAM w, LPARAM l) -> LRESULT {
        switch (message) {
        case kAdd:
            return w + l;
        case kSequence:
            inOrder = inOrder && w == expected;
            ++expected;
            return 0;
        case kPostsInOrder:
            return inOrder ? expected : -1;
        case kRelay: {
            const auto target = static_cast<HWND>(w);
            PostMessageA(target, kRelayNotice, 0, 0);
            return SendMessageA(target, kRelayed, 0, 0) + 1;
        }
        case kQuit:
            g_quit = true;
            return 1;
        default:
            return -1;
        }
    });
    announce(window->hwnd());
    runLoop();
    return 0;
}

// Takes the connection but never reads from it.
int silent()
{
    auto window = WindowEndpoint::create([](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    announce(window->hwnd());
    Sleep(60'000);
    return 0;
}

int exitOnSend()
{
    auto window = WindowEndpoint::create([](UINT, WPARAM, LPARAM) -> LRESULT { std::_Exit(0); });
    announce(window->hwnd());
    runLoop();
    return 0;
}

// Sends `count` messages to a partner that does the same to us at the same moment.
int pingPong(int count)
{
    HWND partner = 0;
    auto window = WindowEndpoint::create([&](UINT message, WPARAM w, LPARAM l) -> LRESULT {
        if (message == kStart)
            partner = static_cast<HWND>(w);
        return message == kAdd ? w + l : 0;
    });
    announce(window->hwnd());
    while (partner == 0 && !g_quit) {
        if (!waitForMessages(10000))
            return 2;
        dispatchMessages();
    }
    int correct = 0;
    for (int i = 0; i < count; ++i)
        correct += SendMessageA(partner, kAdd, i, 1) == i + 1 ? 1 : 0;
    std::printf("done %d\n", correct);
    std::fflush(stdout);
    // Keep answering until the partner is done too.
    runLoop({}, 20000);
    return 0;
}

// A plug-in that signs in to the host window given, reports the answer, and signs off
// when told to quit.
int plugIn(HWND host)
{
    auto window = WindowEndpoint::create([](UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message == kQuit)
            g_quit = true;
        return message == velmar::HostMsgSetMark ? 1 : 0;
    });
    announce(window->hwnd());
    std::printf("signed %lld\n",
                static_cast<long long>(SendMessageA(host, velmar::HostCmdSignIn, 0, 0)));
    std::fflush(stdout);
    runLoop();
    SendMessageA(host, velmar::HostCmdSignOff, 0, 0);
    return 0;
}

// Holds a mapping until killed; with a byte to write, writes it at an offset of the data.
int holdMapping(const char* name, long length, long offset, long value)
{
    auto map = velmar::SharedMemory::Create(name, static_cast<std::int32_t>(length));
    if (!map)
        return 5;
    if (value >= 0)
        map->Data()[offset] = static_cast<std::byte>(value);
    std::printf("ready 0 %d\n", static_cast<int>(map->Data()[offset]));
    std::fflush(stdout);
    for (;;)
        Sleep(60'000);
}

// Holds a bare platform mapping of `size` bytes, shorter than a host link block needs.
int holdRawMapping(const char* name, long size)
{
    auto mapping = NamedMapping::createOrJoin(name, static_cast<std::size_t>(size));
    announce(0);
    for (;;)
        Sleep(60'000);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "echo";
    auto number = [&](int index) {
        return index < argc ? std::strtol(argv[index], nullptr, 0) : -1;
    };
    if (mode == "echo")
        return echo();
    if (mode == "silent")
        return silent();
    if (mode == "exit-on-send")
        return exitOnSend();
    if (mode == "ping-pong")
        return pingPong(static_cast<int>(number(2)));
    if (mode == "plug-in")
        return plugIn(static_cast<HWND>(std::strtoul(argv[2], nullptr, 16)));
#ifndef _WIN32
    if (mode == "foreign-server")
        return velmar::test::peer::foreignServer();
    if (mode == "foreign-client")
        return velmar::test::peer::foreignClient(
            static_cast<HWND>(std::strtoul(argv[2], nullptr, 16)));
#endif
    if (mode == "exit")
        return 0;
    if (mode == "hold-mapping")
        return holdMapping(argv[2], number(3), number(4), number(5));
    if (mode == "hold-raw-mapping")
        return holdRawMapping(argv[2], number(3));
    std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
    return 1;
}
