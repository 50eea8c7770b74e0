// The second process of the load tests. It prints "ready <hwnd>" (hexadecimal, 0 when it
// has no window) once it is set up, then does what its mode says:
//   ring-writer NAME COUNT   joins the host link block NAME and writes COUNT numbered
//                            events with korvo's ring writer, then prints "written COUNT"
//   nest PARTNER ROUNDS      answers chains of nested sends (NestedSends.h) and sends
//                            ROUNDS chains of its own to PARTNER, then posts it kDone
//                            and answers until told to quit

#include "host/HostRingWriter.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Windows.h"
#include "tests/stress/NestedSends.h"
#include "tests/stress/NumberedEvents.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <thread>

namespace {

using namespace velmar;
using Clock = std::chrono::steady_clock;

// A peer left behind by a test that died gives up by itself.
constexpr auto kLifetime = std::chrono::minutes(5);

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int writeRing(const char* name, std::uint64_t count)
{
    const auto map = SharedMemory::Create(name, static_cast<std::int32_t>(HostLinkBlock::kSize));
    host::HostRingWriter writer(map->Data());
    say("ready 0");
    const auto giveUp = Clock::now() + kLifetime;
    for (std::uint64_t number = 0; number < count; ++number) {
        const RingEvent event = test::NumberedEvent(number);
        while (!writer.TryWrite(event.Source, event.Message)) {
            if (Clock::now() > giveUp)
                return 2;
            std::this_thread::yield();
        }
    }
    say("written " + std::to_string(count));
    return 0;
}

int nest(platform::HWND partner, int rounds)
{
    using namespace test::nested;
    bool quit = false;
    auto window = platform::WindowEndpoint::create([&](UINT message, WPARAM w, LPARAM l) {
        if (message == kQuit) {
            quit = true;
            return LRESULT{1};
        }
        return message == kNest ? AnswerNest(partner, w, l) : LRESULT{-1};
    });
    char ready[32];
    std::snprintf(ready, sizeof ready, "ready %x", window->hwnd());
    say(ready);

    int correct = 0;
    for (int round = 0; round < rounds; ++round) {
        const WPARAM depth = DepthOfRound(round);
        const LPARAM value = ValueOfRound(1, round);
        correct +=
            platform::SendMessageA(partner, kNest, depth, value) == ExpectedAnswer(depth, value)
                ? 1
                : 0;
    }
    platform::PostMessageA(partner, kDone, correct, 0);

    const auto giveUp = Clock::now() + kLifetime;
    while (!quit && Clock::now() < giveUp) {
        pollfd fd{platform::messageNotifierFd(), POLLIN, 0};
        if (::poll(&fd, 1, 50) > 0)
            platform::dispatchMessages();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "ring-writer" && argc == 4)
        return writeRing(argv[2], std::strtoull(argv[3], nullptr, 10));
    if (mode == "nest" && argc == 4)
        return nest(static_cast<platform::HWND>(std::strtoul(argv[2], nullptr, 16)),
                    std::atoi(argv[3]));
    std::fprintf(stderr, "usage: stress_peer ring-writer NAME COUNT | nest PARTNER ROUNDS\n");
    return 1;
}
