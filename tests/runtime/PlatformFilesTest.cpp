#include "runtime/platform/Clock.h"
#include "runtime/platform/Files.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace velmar::platform {
namespace {

TEST(PlatformFiles, ProgramAndConfigurationDirectories)
{
    velmar::test::ScopedSession session;
    const std::string exeDir = ExeDir();
    ASSERT_FALSE(exeDir.empty());
    EXPECT_EQ(exeDir.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(exeDir + "runtime_tests"));

    const std::string config = WindowsDir();
    EXPECT_EQ(config, (session.configDir() / "velmar").string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(config));
}

TEST(PlatformFiles, ReplaceFileSwapsTheWholeFileAndLeavesNothingBehind)
{
    velmar::test::ScopedSession session;
    const std::string path = (session.root() / "settings.cfg").string();
    ASSERT_TRUE(replaceFile(path, "first version, long"));
    ASSERT_TRUE(replaceFile(path, std::string("second\0x", 8)));
    EXPECT_EQ(readFile(path, 1000), std::string("second\0x", 8));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(session.root()), {}), 3)
        << "only runtime/, config/ and the file itself";

    // A directory that does not exist takes nothing and the call says so.
    EXPECT_FALSE(replaceFile((session.root() / "missing" / "x.cfg").string(), "x"));
    // A directory in the way of the file: the old one stays.
    std::filesystem::create_directory(session.root() / "taken");
    EXPECT_FALSE(replaceFile((session.root() / "taken").string(), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(session.root() / "taken"));
}

TEST(PlatformFiles, ReplaceFileClearsTemporariesThatKilledSavesLeft)
{
    velmar::test::ScopedSession session;
    const pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);

    const auto leave = [&](const std::string& name) {
        std::ofstream(session.root() / name) << "half a save";
        return session.root() / name;
    };
    const std::string dead = std::to_string(gone);
    const auto leftover = leave("settings.cfg.tmp-" + dead + "-12345");
    const auto ofALiveSave = leave("settings.cfg.tmp-" + std::to_string(::getpid()) + "-1");
    const auto ofAnotherFile = leave("other.cfg.tmp-" + dead + "-1");
    const auto notATemporary = leave("settings.cfg.tmp-notes");

    ASSERT_TRUE(replaceFile((session.root() / "settings.cfg").string(), "new"));
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(ofALiveSave));
    EXPECT_TRUE(std::filesystem::exists(ofAnotherFile));
    EXPECT_TRUE(std::filesystem::exists(notATemporary));
}

TEST(PlatformFiles, ReadFileStopsAtItsLimitAndRefusesWhatIsNoFile)
{
    velmar::test::ScopedSession session;
    const std::string path = (session.root() / "big").string();
    std::ofstream(path) << std::string(5000, 'a');
    EXPECT_EQ(readFile(path, 228)->size(), 228U);
    EXPECT_EQ(readFile(path, 100000)->size(), 5000U);
    EXPECT_FALSE(readFile((session.root() / "absent").string(), 10));
    EXPECT_FALSE(readFile(session.root().string(), 10));
    EXPECT_FALSE(readFile("/dev/zero", 10)) << "a device is no settings file";
}

TEST(PlatformFiles, WritableDirectories)
{
    velmar::test::ScopedSession session;
    EXPECT_TRUE(directoryWritable(session.root().string()));
    EXPECT_FALSE(directoryWritable((session.root() / "absent").string()));
    EXPECT_FALSE(directoryWritable("/proc/self")) << "a file system that takes no files";
}

TEST(PlatformClock, MillisecondsAdvanceWithSleep)
{
    const std::uint32_t before = timeGetTime();
    Sleep(20);
    const auto elapsed = static_cast<std::int32_t>(timeGetTime() - before);
    EXPECT_GE(elapsed, 20);
    EXPECT_LT(elapsed, 1000);
}

} // namespace
} // namespace velmar::platform
