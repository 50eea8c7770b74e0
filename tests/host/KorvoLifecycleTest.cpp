#include "runtime/HostMessages.h"
#include "runtime/platform/Windows.h"
#include "tests/monitor/OstraInstall.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace velmar::host {
namespace {

using Clock = std::chrono::steady_clock;
using velmar::test::ChildProcess;

bool alive(pid_t pid)
{
    return ::kill(pid, 0) == 0;
}

// The monitor and korvo as a user runs them: how long korvo lives, and what its transport
// does, as plug-ins come and go.
class KorvoLifecycle : public ::testing::Test {
protected:
    // ostra's host window, from its first line ("linked HWND").
    static platform::HWND linkedHost(ChildProcess& ostra)
    {
        const std::string line = ostra.readLine(20000);
        EXPECT_EQ(line.rfind("linked ", 0), 0U) << line;
        return line.size() > 7
                   ? static_cast<platform::HWND>(std::stoul(line.substr(7), nullptr, 16))
                   : 0;
    }

    velmar::test::ScopedSession session;
    monitor::test::OstraInstall install{session.root() / "installed"};
    std::filesystem::path report = session.root() / "report";
};

TEST_F(KorvoLifecycle, AKorvoTheMonitorStartedEndsTenSecondsAfterTheMonitor)
{
    std::filesystem::create_directories(report);
    ::setenv("VELMAR_OSTRA_REPORT", report.c_str(), 1);
    auto ostra = std::make_unique<ChildProcess>(install.Ostra(), std::vector<std::string>{});
    const platform::HWND host = linkedHost(*ostra);
    ::unsetenv("VELMAR_OSTRA_REPORT");
    ASSERT_NE(host, 0U);
    const pid_t korvo = monitor::test::ProcessOf(host);
    platform::SendMessageA(host, HostCmdPlay, 0, 0);

    ostra->kill(SIGTERM);
    EXPECT_EQ(ostra->wait(), 0);
    const auto gone = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(9));
    EXPECT_TRUE(alive(korvo)) << "another plug-in may come within ten seconds";
    EXPECT_EQ(platform::SendMessageA(host, HostQueryRunning, 0, 0), 0) << "stopped at sign-off";
    while (alive(korvo) && Clock::now() - gone < std::chrono::seconds(15))
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(alive(korvo)) << "korvo ends within 10 to 15 seconds";
}

TEST_F(KorvoLifecycle, AKorvoStartedByHandOutlivesItsPlugInWhoseDeathStopsTheTransport)
{
    ChildProcess korvo(install.Korvo(), {"--quiet", "--no-synth", "--loop"});
    ASSERT_NE(install.AwaitKorvoWindow(), 0U);
    std::filesystem::create_directories(report);
    ::setenv("VELMAR_OSTRA_REPORT", report.c_str(), 1);
    ChildProcess ostra(install.Ostra(), {});
    const platform::HWND host = linkedHost(ostra);
    ::unsetenv("VELMAR_OSTRA_REPORT");
    ASSERT_EQ(monitor::test::ProcessOf(host), korvo.pid());
    platform::SendMessageA(host, HostCmdPlay, 0, 0);
    ASSERT_EQ(platform::SendMessageA(host, HostQueryRunning, 0, 0), 1);

    ostra.kill(SIGKILL); // no sign-off
    ostra.wait();
    const auto killed = Clock::now();
    while (platform::SendMessageA(host, HostQueryRunning, 0, 0) != 0 &&
           Clock::now() - killed < std::chrono::seconds(2))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(platform::SendMessageA(host, HostQueryRunning, 0, 0), 0)
        << "the plug-in's window went: the transport stops";
    EXPECT_LT(Clock::now() - killed, std::chrono::seconds(1));

    std::this_thread::sleep_for(std::chrono::seconds(12));
    EXPECT_TRUE(alive(korvo.pid())) << "started by hand: runs until told to end";
    korvo.kill(SIGTERM);
    EXPECT_EQ(korvo.wait(), 0);
}

} // namespace
} // namespace velmar::host
