#include "runtime/platform/Processes.h"

#include "runtime/platform/Windows.h"
#include "runtime/platform/posix/SessionDirectory.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>

namespace velmar::platform {
namespace {

TEST(Processes, ModulesAreTheProgramAndItsMappedFiles)
{
    const auto pid = static_cast<std::uint32_t>(::getpid());
    const std::string exe = processExecutable(pid);
    EXPECT_EQ(exe, std::filesystem::read_symlink("/proc/self/exe").string());

    const auto modules = processModules(pid);
    ASSERT_FALSE(modules.empty());
    EXPECT_EQ(modules.front(), exe);
    EXPECT_TRUE(std::any_of(modules.begin(), modules.end(), [](const std::string& m) {
        return m.find("libc.so") != std::string::npos;
    }));
    EXPECT_EQ(std::count(modules.begin(), modules.end(), exe), 1) << "each file once";

    EXPECT_TRUE(processExecutable(0x3FFFFFFF).empty());
    EXPECT_TRUE(processModules(0x3FFFFFFF).empty());
    EXPECT_EQ(GetVersionExA().platformId, 2U);
}

// An upgrade replaces a program's file while it runs; the process is still known by the
// program's path. A file whose own name ends in " (deleted)" keeps its name.
TEST(Processes, AProgramWhoseFileWasReplacedKeepsItsPath)
{
    velmar::test::ScopedSession session;
    namespace fs = std::filesystem;
    for (const char* name : {"korvo", "sleeper (deleted)"}) {
        SCOPED_TRACE(name);
        const fs::path program = session.root() / name;
        fs::copy_file("/bin/sleep", program);
        velmar::test::ChildProcess running(program.string(), {"30"});
        const auto pid = static_cast<std::uint32_t>(running.pid());
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (processExecutable(pid) != program.string() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_EQ(processExecutable(pid), program.string()) << "the program never started";

        const fs::path upgrade = session.root() / "upgrade";
        fs::copy_file("/bin/sleep", upgrade);
        fs::rename(upgrade, program);
        EXPECT_EQ(processExecutable(pid), program.string());
        const auto modules = processModules(pid);
        ASSERT_FALSE(modules.empty());
        EXPECT_EQ(modules.front(), program.string());
        EXPECT_EQ(std::count(modules.begin(), modules.end(), program.string()), 1);
    }
}

// A relative XDG_RUNTIME_DIR would name another directory for every working directory:
// it is ignored, as when it is unset.
TEST(Processes, ARelativeRuntimeDirectoryIsIgnored)
{
    const char* kept = std::getenv("XDG_RUNTIME_DIR");
    const std::optional<std::string> saved = kept ? std::optional<std::string>(kept) : std::nullopt;
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::filesystem::path fallback = sessionDirectory();
    for (const char* relative : {"run/user", "./velmar", "velmar"}) {
        ::setenv("XDG_RUNTIME_DIR", relative, 1);
        EXPECT_EQ(sessionDirectory(), fallback) << relative;
    }
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", saved->c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

TEST(Processes, WinExecFailsForWhatCannotRun)
{
    velmar::test::ScopedSession session;
    for (const char* path : {"C:\\Korvo\\KORVO.EXE", "/no/such/program", "NO_SUCH_PROGRAM.EXE",
                             "message_peer.txt", ".EXE", "/etc/hostname"})
        EXPECT_LT(WinExec(path, kShowNormal), 32) << path;
}

} // namespace
} // namespace velmar::platform
