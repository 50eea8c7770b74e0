#include "runtime/platform/Windows.h"
#include "tests/faults/FaultProbeProtocol.h"
#include "tests/faults/FaultTestSupport.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>

namespace velmar::test {
namespace {

namespace probe = faultprobe;
using Clock = std::chrono::steady_clock;

constexpr char kBlockFile[] = "KorvoExeInfo.map";
// The host is killed within its first 50 ms of work for the plug-in.
constexpr std::uint32_t kKillWithinUs = 50'000;
// Time for the busy plug-in to ask the dead host a few dozen times.
constexpr auto kAfterKill = std::chrono::milliseconds(30);
// The longest a plug-in's event loop may stand still: one send that times out, and a little.
constexpr platform::LRESULT kLongestStallUs =
    platform::LRESULT{platform::kSendTimeoutMs + 20} * 1000;

platform::LRESULT ask(platform::HWND window, platform::UINT message)
{
    return platform::SendMessageA(window, message, 0, 0);
}

// korvo busy from the moment a plug-in signs in: a flood of events, or the demo song, which
// starts with a SysEx message.
std::vector<std::string> busyKorvoOptions(int cycle)
{
    std::vector<std::string> options{"--quiet", "--no-synth", "--autoplay"};
    if (cycle % 3 != 2)
        options.emplace_back("--flood=200000");
    return options;
}

// The real host, killed at a random moment of its first work for a busy plug-in, again and
// again: the plug-in goes on, its event loop never stands still for long, the dead host
// answers nothing, and each new host joins the plug-in's block and fills it.
TEST(HostKilled, APlugInSurvivesItsHostKilledAtRandomWhileBusy)
{
    const ScopedSession session;
    ChildProcess plugIn(VELMAR_FAULT_PROBE, {"--busy"});
    const platform::HWND plugInWindow = probeWindow(plugIn);
    ASSERT_NE(plugInWindow, 0U);
    const std::vector<ino_t> block = mappedInodes(plugIn.pid(), kBlockFile);
    ASSERT_EQ(block.size(), 1U);

    const int kills = repetitions(100);
    std::vector<double> stallsMs;
    int cyclesWithEvents = 0;
    std::size_t descriptorsAfterFirst = 0;
    std::size_t regionsAfterFirst = 0;
    for (int cycle = 0; cycle < kills; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        RunningKorvo korvo = startKorvo(busyKorvoOptions(cycle));
        ASSERT_NE(korvo.window, 0U);
        EXPECT_EQ(mappedInodes(korvo.process->pid(), kBlockFile), block)
            << "a new host joins the block the plug-in holds";

        const platform::LRESULT eventsBefore = ask(plugInWindow, probe::kEventsRead);
        ASSERT_EQ(ask(plugInWindow, probe::kLink), korvo.window);
        (void)ask(plugInWindow, probe::kTakeLongestGapUs);
        sleepRandomly(kKillWithinUs);
        korvo.process->kill(SIGKILL);
        (void)korvo.process->wait();

        ASSERT_EQ(ask(plugInWindow, probe::kCountQueries), 1);
        std::this_thread::sleep_for(kAfterKill);
        EXPECT_GT(ask(plugInWindow, probe::kQueriesAnswered), 0);
        EXPECT_EQ(ask(plugInWindow, probe::kQueriesAnsweredNonZero), 0)
            << "every query to a dead host answers 0";
        const platform::LRESULT stallUs = ask(plugInWindow, probe::kTakeLongestGapUs);
        EXPECT_LT(stallUs, kLongestStallUs);
        stallsMs.push_back(static_cast<double>(stallUs) / 1000.0);
        cyclesWithEvents += ask(plugInWindow, probe::kEventsRead) > eventsBefore ? 1 : 0;
        ASSERT_TRUE(processRunning(plugIn.pid())) << "the plug-in died with its host";
        if (cycle == 0) {
            descriptorsAfterFirst = openDescriptors(plugIn.pid());
            regionsAfterFirst = mappedRegions(plugIn.pid());
        }
    }

    EXPECT_EQ(openDescriptors(plugIn.pid()), descriptorsAfterFirst) << "descriptors leaked";
    // The allocator may map an arena or two more; a leak would add one a host at least.
    EXPECT_LE(mappedRegions(plugIn.pid()), regionsAfterFirst + 8) << "mappings leaked";
    EXPECT_EQ(mappedInodes(plugIn.pid(), kBlockFile), block);

    // One more host: the plug-in links to it and reads its events through the same block.
    RunningKorvo last = startKorvo(busyKorvoOptions(0));
    ASSERT_NE(last.window, 0U);
    const platform::LRESULT eventsBefore = ask(plugInWindow, probe::kEventsRead);
    ASSERT_EQ(ask(plugInWindow, probe::kLink), last.window);
    const auto end = Clock::now() + std::chrono::seconds(10);
    while (ask(plugInWindow, probe::kEventsRead) < eventsBefore + 1000 && Clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GE(ask(plugInWindow, probe::kEventsRead), eventsBefore + 1000);

    plugIn.kill(SIGTERM);
    EXPECT_EQ(plugIn.readLine(), "signed off");
    EXPECT_EQ(plugIn.wait(), 0);

    const Spread stalls = spreadOf(stallsMs);
    std::printf("[ figures  ] host killed %d times within 50 ms of its work: plug-in survived "
                "every time; %d cycles read events before the kill; longest event-loop stall "
                "per kill: median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                kills, cyclesWithEvents, stalls.median, stalls.p99, stalls.max);
}

} // namespace
} // namespace velmar::test
