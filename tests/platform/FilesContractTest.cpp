#include "runtime/platform/Clock.h"
#include "runtime/platform/Files.h"
#include "tests/platform/PlatformContract.h"
#include "tests/support/BesideTests.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmar::platform {
namespace {

using namespace velmar::test::contract;

bool endsInSeparator(const std::string& directory)
{
    return !directory.empty() &&
           kDirectorySeparators.find(directory.back()) != std::string_view::npos;
}

TEST(PlatformFiles, ProgramAndFallbackDirectories)
{
    velmar::test::ScopedSession session;
    const std::string exeDir = ExeDir();
    ASSERT_TRUE(endsInSeparator(exeDir)) << exeDir;
    EXPECT_TRUE(std::filesystem::exists(exeDir + "message_peer") ||
                std::filesystem::exists(exeDir + "message_peer.exe"))
        << "the programs built beside the tests are in " << exeDir;

    const std::string fallback = WindowsDir();
    EXPECT_TRUE(endsInSeparator(fallback)) << fallback;
    EXPECT_TRUE(std::filesystem::is_directory(fallback)) << fallback;
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(session.root()), {}), 4)
        << "a failed save leaves no temporary";
}

TEST(PlatformFiles, ReplaceFileClearsTemporariesThatKilledSavesLeft)
{
    velmar::test::ScopedSession session;
    velmar::test::ChildProcess goneProcess(velmar::test::besideTests("message_peer"), {"exit"});
    ASSERT_EQ(goneProcess.wait(), 0);
    const std::string gone = std::to_string(goneProcess.pid());

    const auto leave = [&](const std::string& name) {
        std::ofstream(session.root() / name) << "half a save";
        return session.root() / name;
    };
    Peer live({"echo"});
    const auto leftover = leave("settings.cfg.tmp-" + gone + "-12345");
    const auto ofALiveSave = leave("settings.cfg.tmp-" + std::to_string(live.process.pid()) + "-1");
    const auto ofAnotherFile = leave("other.cfg.tmp-" + gone + "-1");
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
    EXPECT_EQ(readFile(path, 0), std::string());
    EXPECT_FALSE(readFile((session.root() / "absent").string(), 10));
    EXPECT_FALSE(readFile(session.root().string(), 10));
    EXPECT_FALSE(readFile(kDevice, 10)) << "a device is no settings file";
}

TEST(PlatformFiles, WritableDirectories)
{
    velmar::test::ScopedSession session;
    EXPECT_TRUE(directoryWritable(session.root().string()));
    EXPECT_FALSE(directoryWritable((session.root() / "absent").string()));
    std::ofstream(session.root() / "plain") << "x";
    EXPECT_FALSE(directoryWritable((session.root() / "plain").string())) << "a file is no folder";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(session.root()), {}), 3)
        << "the test leaves nothing behind";
}

TEST(PlatformClock, MillisecondsAdvanceWithSleep)
{
    const std::uint32_t before = timeGetTime();
    Sleep(20);
    const auto elapsed = static_cast<std::int32_t>(timeGetTime() - before);
    EXPECT_GE(elapsed, 19);
    EXPECT_LT(elapsed, 1000);
}

} // namespace
} // namespace velmar::platform
