#include "runtime/HostMessages.h"
#include "runtime/platform/Processes.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <signal.h>
#include <string>
#include <thread>

namespace velmar {
namespace {

using Clock = std::chrono::steady_clock;
using test::ChildProcess;

// Plug-ins reduced to their link, linking to the real korvo the way the programs do.
class LinkWithKorvo : public ::testing::Test {
protected:
    ~LinkWithKorvo() override
    {
        // korvo started by a plug-in is nobody's child: end it through its window's pid.
        for (const platform::HWND hwnd : platform::EnumWindows())
            if (platform::processExecutable(platform::GetWindowThreadProcessId(hwnd)) ==
                VELMAR_KORVO)
                ::kill(static_cast<pid_t>(platform::GetWindowThreadProcessId(hwnd)), SIGTERM);
    }

    static std::unique_ptr<ChildProcess> probe()
    {
        return std::make_unique<ChildProcess>(VELMAR_LINK_PROBE, std::vector<std::string>{});
    }

    // The probe's lines up to and including the one that says whether it linked.
    static std::vector<std::string> linkOutcome(ChildProcess& process, int timeoutMs = 15000)
    {
        std::vector<std::string> lines;
        for (std::string line = process.readLine(timeoutMs); !line.empty();
             line = process.readLine(timeoutMs)) {
            lines.push_back(line);
            if (line.rfind("linked ", 0) == 0 || line == "no link")
                break;
        }
        return lines;
    }

    // Whether the probe says `line` within the timeout; what it says before is passed over.
    static bool saysSoon(ChildProcess& process, const std::string& line, int timeoutMs = 8000)
    {
        const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < end)
            if (process.readLine(100) == line)
                return true;
        return false;
    }

    // Starts korvo and waits until its window is up, as a host the user started.
    static std::unique_ptr<ChildProcess> runningKorvo()
    {
        auto korvo =
            std::make_unique<ChildProcess>(VELMAR_KORVO, std::vector<std::string>{"--quiet"});
        const auto end = Clock::now() + std::chrono::seconds(10);
        while (korvoWindows() == 0 && Clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return korvo;
    }

    static std::uint32_t korvoWindows()
    {
        std::uint32_t count = 0;
        for (const platform::HWND hwnd : platform::EnumWindows())
            count += platform::processExecutable(platform::GetWindowThreadProcessId(hwnd)) ==
                             VELMAR_KORVO
                         ? 1
                         : 0;
        return count;
    }

    test::ScopedSession session;
};

TEST_F(LinkWithKorvo, APlugInStartsKorvoBesideItAndSignsIn)
{
    auto first = probe();
    const auto start = Clock::now();
    const auto lines = linkOutcome(*first);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().rfind("linked ", 0), 0U) << lines.back();
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(4500)) << "3000 ms, then 1500 ms";
    EXPECT_EQ(korvoWindows(), 1U);
    EXPECT_TRUE(saysSoon(*first, "running 0"));
}

TEST_F(LinkWithKorvo, ASecondPlugInIsRefusedUntilTheFirstSignsOff)
{
    const auto korvo = runningKorvo();
    auto first = probe();
    const auto start = Clock::now();
    ASSERT_EQ(linkOutcome(*first).back().rfind("linked ", 0), 0U);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(3000)) << "no launch, no wait";
    EXPECT_EQ(korvoWindows(), 1U);

    auto second = probe();
    const auto refused = linkOutcome(*second);
    ASSERT_EQ(refused.size(), 2U);
    EXPECT_EQ(refused[0].rfind(
                  "error KORVO.EXE found, and appears to support linking, but sign in failed.", 0),
              0U)
        << refused[0];
    EXPECT_EQ(refused[1], "no link");

    first->kill(SIGTERM);
    EXPECT_TRUE(saysSoon(*first, "signed off"));
    auto third = probe();
    EXPECT_EQ(linkOutcome(*third).back().rfind("linked ", 0), 0U);
}

TEST_F(LinkWithKorvo, AKilledHostLeavesThePlugInRunningWithAnswersOfZero)
{
    const auto korvo = runningKorvo();
    auto plugIn = probe();
    const auto lines = linkOutcome(*plugIn);
    ASSERT_EQ(lines.back().rfind("linked ", 0), 0U);
    const auto host = static_cast<platform::HWND>(std::stoul(lines.back().substr(7), nullptr, 16));
    platform::SendMessageA(host, HostCmdPlay, 0, 0);
    EXPECT_TRUE(saysSoon(*plugIn, "running 1"));
    korvo->kill(SIGKILL);
    EXPECT_TRUE(saysSoon(*plugIn, "running 0"));
    plugIn->kill(SIGTERM);
    EXPECT_TRUE(saysSoon(*plugIn, "signed off"));
    EXPECT_EQ(plugIn->wait(), 0);
}

} // namespace
} // namespace velmar
