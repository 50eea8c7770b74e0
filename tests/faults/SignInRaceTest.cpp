#include "runtime/platform/Windows.h"
#include "tests/faults/FaultProbeProtocol.h"
#include "tests/faults/FaultTestSupport.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <thread>

namespace velmar::test {
namespace {

namespace probe = faultprobe;
using Clock = std::chrono::steady_clock;

constexpr char kRefusal[] =
    "error KORVO.EXE found, and appears to support linking, but sign in failed.";

struct PlugIn {
    std::unique_ptr<ChildProcess> process;
    platform::HWND window = 0;
};

PlugIn startPlugIn()
{
    PlugIn plugIn{std::make_unique<ChildProcess>(VELMAR_FAULT_PROBE, std::vector<std::string>{})};
    plugIn.window = probeWindow(*plugIn.process);
    return plugIn;
}

// Waits until the plug-in has carried out `attempts` link requests; false after 10 s.
bool linkDone(const PlugIn& plugIn, platform::LRESULT attempts)
{
    const auto end = Clock::now() + std::chrono::seconds(10);
    while (platform::SendMessageA(plugIn.window, probe::kLinkAttempts, 0, 0) < attempts)
        if (Clock::now() >= end)
            return false;
    return true;
}

// Two plug-ins ask one korvo to sign them in at the same moment, round after round. The
// winner then signs off, or is killed without a word (and a new plug-in takes its place):
// either way the next round has a winner, so korvo never holds on to a plug-in that is gone.
TEST(SignInRace, OfTwoPlugInsSigningInAtOnceExactlyOneIsLinked)
{
    const ScopedSession session;
    const RunningKorvo korvo = startKorvo({"--quiet", "--no-synth"});
    ASSERT_NE(korvo.window, 0U);
    std::array<PlugIn, 2> plugIns{startPlugIn(), startPlugIn()};
    std::array<platform::LRESULT, 2> attempts{0, 0};
    ASSERT_NE(plugIns[0].window, 0U);
    ASSERT_NE(plugIns[1].window, 0U);

    std::mt19937 random{std::random_device{}()};
    const int rounds = repetitions(1000);
    std::array<int, 2> wins{0, 0};
    int killed = 0;
    const auto start = Clock::now();
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::size_t first = random() % 2;
        for (const std::size_t i : {first, 1 - first})
            ASSERT_TRUE(platform::PostMessageA(plugIns[i].window, probe::kLink, 0, 0));
        std::array<platform::LRESULT, 2> hosts{};
        for (std::size_t i = 0; i < 2; ++i) {
            ASSERT_TRUE(linkDone(plugIns[i], ++attempts[i]));
            hosts[i] = platform::SendMessageA(plugIns[i].window, probe::kHost, 0, 0);
        }
        ASSERT_EQ((hosts[0] != 0 ? 1 : 0) + (hosts[1] != 0 ? 1 : 0), 1)
            << "linked: " << hosts[0] << ", " << hosts[1];
        const std::size_t winner = hosts[0] != 0 ? 0 : 1;
        EXPECT_EQ(hosts[winner], korvo.window);
        const std::string refusal = plugIns[1 - winner].process->readLine();
        EXPECT_EQ(refusal.rfind(kRefusal, 0), 0U) << refusal;
        ++wins[winner];

        if (random() % 5 == 0) {
            plugIns[winner].process->kill(SIGKILL);
            (void)plugIns[winner].process->wait();
            plugIns[winner] = startPlugIn();
            attempts[winner] = 0;
            ASSERT_NE(plugIns[winner].window, 0U);
            ++killed;
        } else {
            ASSERT_EQ(platform::SendMessageA(plugIns[winner].window, probe::kSignOff, 0, 0), 1);
        }
    }
    const auto seconds = std::chrono::duration<double>(Clock::now() - start).count();

    // After the last round korvo signs in whoever asks: nobody it still believes in.
    ASSERT_EQ(platform::SendMessageA(plugIns[0].window, probe::kLink, 0, 0), korvo.window);
    EXPECT_TRUE(processRunning(korvo.process->pid()));
    std::printf("[ figures  ] %d sign-in races in %.1f s (%.1f ms a round): exactly one "
                "plug-in linked each round (%d and %d wins), the other refused; %d winners "
                "killed without signing off\n",
                rounds, seconds, 1000.0 * seconds / rounds, wins[0], wins[1], killed);
}

} // namespace
} // namespace velmar::test
