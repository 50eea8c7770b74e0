#include "host/TakePaths.h"

#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace velmar::host {
namespace {

TEST(TakePaths, TakesGoToAKorvoFolderInTheMusicDirectoryMadeWhenNeeded)
{
    velmar::test::ScopedSession session;
    const auto music = session.root() / "Musik";
    std::ofstream(session.configDir() / "user-dirs.dirs")
        << "XDG_MUSIC_DIR=\"" << music.string() << "\"\n";
    EXPECT_EQ(TakesFolder(), (music / "korvo").string());

    std::string error;
    const std::filesystem::path path = NewTakePath(error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(path.parent_path(), music / "korvo");
    EXPECT_TRUE(std::filesystem::is_directory(music / "korvo"));
    EXPECT_EQ(path.extension(), ".mid");
}

TEST(TakePaths, ARecordToPathIsCheckedForItsFolder)
{
    velmar::test::ScopedSession session;
    EXPECT_EQ(CheckTakePath((session.root() / "take.mid").string()), "");
    EXPECT_EQ(CheckTakePath((session.root() / "missing" / "take.mid").string()),
              "its folder does not exist");
    EXPECT_EQ(CheckTakePath(session.root().string()), "it is a folder, not a file");
    if (::geteuid() != 0) { // root writes anywhere
        std::filesystem::create_directory(session.root() / "locked");
        std::filesystem::permissions(session.root() / "locked",
                                     std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_exec);
        EXPECT_EQ(CheckTakePath((session.root() / "locked" / "take.mid").string()),
                  "its folder cannot be written");
    }

    // korvo refuses it at start, naming the path, rather than losing the take at its end.
    const std::string bad = (session.root() / "missing" / "take.mid").string();
    velmar::test::ChildProcess korvo(
        "/bin/sh", {"-c", "exec \"$0\" --record-to \"$1\" 2>&1", VELMAR_KORVO, bad});
    EXPECT_EQ(korvo.readLine(), "korvo: --record-to " + bad + ": its folder does not exist");
    EXPECT_EQ(korvo.wait(), 2);
}

} // namespace
} // namespace velmar::host
