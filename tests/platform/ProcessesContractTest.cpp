#include "runtime/platform/Processes.h"
#include "runtime/platform/Windows.h"
#include "tests/platform/PeerProtocol.h"
#include "tests/platform/PlatformContract.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace velmar::platform {
namespace {

using namespace velmar::test::contract;

TEST(Processes, ModulesAreTheProgramAndTheLibrariesItLoaded)
{
    velmar::test::ScopedSession session;
    Peer peer({"echo"});
    const auto pid = static_cast<std::uint32_t>(peer.process.pid());
    const std::string exe = processExecutable(pid);
    EXPECT_EQ(programName(exe), "message_peer") << exe;

    const auto modules = processModules(pid);
    ASSERT_FALSE(modules.empty());
    EXPECT_EQ(modules.front(), exe);
    EXPECT_TRUE(std::any_of(modules.begin(), modules.end(), [](const std::string& m) {
        return programName(m).rfind(kSystemLibrary, 0) == 0;
    })) << "a system library every program loads";
    EXPECT_EQ(std::count(modules.begin(), modules.end(), exe), 1) << "each file once";

    EXPECT_TRUE(processExecutable(0x3FFFFFFF).empty());
    EXPECT_TRUE(processModules(0x3FFFFFFF).empty());
    EXPECT_EQ(GetVersionExA().platformId, 2U);
}

// The peer program sits beside the test program, so its ".EXE" name finds it the way
// "KORVO.EXE" finds the stand-in host.
TEST(Processes, WinExecStartsAProgramByItsExeName)
{
    velmar::test::ScopedSession session;
    EXPECT_GE(WinExec("MESSAGE_PEER.EXE", kShowNormal), 32);

    // The system may give a process top-level windows of its own (input method windows on
    // Windows): the peer's is the one that answers.
    HWND started = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (started == 0 && std::chrono::steady_clock::now() < end) {
        for (const HWND hwnd : EnumWindows())
            if (programName(processExecutable(GetWindowThreadProcessId(hwnd))) == "message_peer" &&
                SendMessageA(hwnd, velmar::test::peer::kAdd, 2, 3) == 5)
                started = hwnd;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(started, 0U);
    EXPECT_EQ(SendMessageA(started, velmar::test::peer::kQuit, 0, 0), 1);
}

TEST(Processes, WinExecFailsForWhatCannotRun)
{
    velmar::test::ScopedSession session;
    for (const char* path : {"C:\\Korvo\\KORVO.EXE", "/no/such/program", "NO_SUCH_PROGRAM.EXE",
                             "message_peer.txt", ".EXE"})
        EXPECT_LT(WinExec(path, kShowNormal), 32) << path;
}

} // namespace
} // namespace velmar::platform
