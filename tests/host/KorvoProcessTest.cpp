#include "host/FloodSource.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Processes.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <signal.h>
#include <thread>

namespace velmar::host {
namespace {

using Clock = std::chrono::steady_clock;
using velmar::test::ChildProcess;

// The real korvo program, found the way a plug-in finds it: by its window's program and
// its answer to the identify question.
class KorvoProcess : public ::testing::Test {
protected:
    platform::HWND startKorvo(const std::vector<std::string>& arguments)
    {
        korvo = std::make_unique<ChildProcess>(VELMAR_KORVO, arguments);
        const auto end = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < end) {
            for (const platform::HWND hwnd : platform::EnumWindows())
                if (platform::GetWindowThreadProcessId(hwnd) ==
                        static_cast<std::uint32_t>(korvo->pid()) &&
                    platform::SendMessageA(hwnd, HostQueryIdentify, 0, 0) == HostIdentifyReply)
                    return hwnd;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ADD_FAILURE() << "korvo did not show its window";
        return 0;
    }

    velmar::test::ScopedSession session;
    std::unique_ptr<platform::WindowEndpoint> window = platform::WindowEndpoint::create(
        [](platform::UINT, platform::WPARAM, platform::LPARAM) { return platform::LRESULT{1}; });
    std::unique_ptr<ChildProcess> korvo;
};

TEST_F(KorvoProcess, FloodArrivesCompleteAndInOrderAndKorvoLeavesCleanly)
{
    constexpr std::uint64_t kEvents = 200'000;
    const platform::HWND host = startKorvo({"--quiet", "--autoplay", "--flood", "200000:1"});
    const auto map =
        SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
    HostLinkBlock block(map->Data());
    ASSERT_EQ(platform::SendMessageA(host, HostCmdSignIn, 0, map->Handle()), HostSignInAccepted);

    std::uint64_t received = 0;
    std::uint64_t wrong = 0;
    const auto end = Clock::now() + std::chrono::seconds(10);
    while (received < kEvents && Clock::now() < end) {
        block.Drain([&](const RingEvent& event) {
            wrong += event.Message == FloodSource::EventAt(received) && event.Source == 1 ? 0 : 1;
            ++received;
        });
        platform::dispatchMessages();
    }
    EXPECT_EQ(received, kEvents);
    EXPECT_EQ(wrong, 0U);
    EXPECT_EQ(platform::SendMessageA(host, HostQueryRunning, 0, 0), 0)
        << "the flood ran its second";

    const auto socket = session.sessionDir() / [&] {
        char name[16];
        std::snprintf(name, sizeof name, "%08x.win", host);
        return std::string(name);
    }();
    EXPECT_TRUE(std::filesystem::exists(socket));
    korvo->kill(SIGTERM);
    EXPECT_EQ(korvo->wait(), 0);
    EXPECT_FALSE(std::filesystem::exists(socket)) << "korvo removes its window";
    EXPECT_TRUE(std::filesystem::exists(session.sessionDir() / "KorvoExeInfo.map"))
        << "the block stays while a plug-in holds it";
}

TEST_F(KorvoProcess, AKilledHostAnswersZeroAtOnce)
{
    const platform::HWND host = startKorvo({"--quiet"});
    ASSERT_EQ(platform::SendMessageA(host, HostCmdSignIn, 0, 0), HostSignInAccepted);
    platform::SendMessageA(host, HostCmdPlay, 0, 0);
    EXPECT_NE(platform::SendMessageA(host, HostQueryRunning, 0, 0), 0);
    korvo->kill(SIGKILL);
    korvo->wait();
    const auto start = Clock::now();
    EXPECT_EQ(platform::SendMessageA(host, HostQueryRunning, 0, 0), 0);
    EXPECT_EQ(platform::SendMessageA(host, HostQueryRecording, 0, 0), 0);
    EXPECT_FALSE(platform::PostMessageA(host, HostCmdStop, 0, 0));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));
}

} // namespace
} // namespace velmar::host
