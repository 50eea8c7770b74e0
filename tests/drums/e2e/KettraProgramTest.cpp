#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Processes.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <thread>

namespace velmar {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Waits up to `seconds` for `done`, checking every 10 ms.
template <typename Condition>
bool waitFor(Condition done, int seconds)
{
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (Clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// korvo started by a plug-in is nobody's child: it is ended through its window's process.
struct EndsProgramOf {
    ~EndsProgramOf()
    {
        if (hwnd != 0)
            ::kill(static_cast<pid_t>(platform::GetWindowThreadProcessId(hwnd)), SIGTERM);
    }
    platform::HWND hwnd = 0;
};

platform::HWND windowOf(const fs::path& program)
{
    for (const platform::HWND hwnd : platform::EnumWindows())
        if (platform::processExecutable(platform::GetWindowThreadProcessId(hwnd)) ==
            program.string())
            return hwnd;
    return 0;
}

// The installed programs: kettra finds korvo beside itself and keeps its settings there.
// A copy of its own per test, so that no two tests share a settings file.
TEST(KettraProgram, StartsKorvoSignsInAndSavesItsSettingsWhenTerminated)
{
    const test::ScopedSession session;
    const fs::path bin = session.root() / "bin";
    fs::create_directories(bin);
    fs::copy_file(VELMAR_KETTRA, bin / "kettra");
    fs::copy_file(VELMAR_KORVO, bin / "korvo");

    test::ChildProcess kettra((bin / "kettra").string(), {});
    EndsProgramOf korvoWindow;
    platform::HWND& korvo = korvoWindow.hwnd;
    ASSERT_TRUE(waitFor([&] { return (korvo = windowOf(bin / "korvo")) != 0; }, 15))
        << "kettra starts korvo";
    const platform::HWND plugIn = windowOf(bin / "kettra");
    EXPECT_NE(plugIn, 0U);

    // korvo marks every bar in the window of the plug-in that signed in.
    const auto map =
        SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
    const auto mark = [&map] {
        std::uint32_t value = 0;
        std::memcpy(&value, map->Data() + HostLinkBlock::kHostMarkOffset, 4);
        return value;
    };
    EXPECT_TRUE(waitFor(
        [&] {
            platform::SendMessageA(korvo, HostCmdPlay, 0, 0);
            return mark() >= 1;
        },
        15))
        << "kettra signed in and keeps the host's mark";
    platform::SendMessageA(korvo, HostCmdStop, 0, 0);

    kettra.kill(SIGTERM);
    EXPECT_EQ(kettra.wait(10000), 0);
    std::error_code noFile;
    EXPECT_EQ(fs::file_size(bin / "$Kettra.cfg", noFile), 40U)
        << "closed like by hand: settings saved";
    EXPECT_EQ(windowOf(bin / "kettra"), 0U);
}

TEST(KettraProgram, ASignalWhileItWaitsForTheHostEndsItOnceLinked)
{
    const test::ScopedSession session;
    const fs::path bin = session.root() / "bin";
    fs::create_directories(bin);
    fs::copy_file(VELMAR_KETTRA, bin / "kettra");
    fs::copy_file(VELMAR_KORVO, bin / "korvo");

    test::ChildProcess kettra((bin / "kettra").string(), {});
    EndsProgramOf korvoWindow;
    ASSERT_TRUE(waitFor([&] { return (korvoWindow.hwnd = windowOf(bin / "korvo")) != 0; }, 15));
    kettra.kill(SIGTERM); // kettra waits for the host it started to settle
    EXPECT_EQ(kettra.wait(15000), 0);
    EXPECT_TRUE(fs::exists(bin / "$Kettra.cfg"));
}

} // namespace
} // namespace velmar
