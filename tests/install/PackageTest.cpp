#include "tests/install/CommandOutput.h"
#include "tests/install/ScratchInstall.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <optional>

namespace velmar::install::test {
namespace {

namespace fs = std::filesystem;

// The package scripts/package built from this build, if it did.
std::optional<fs::path> builtPackage()
{
    std::error_code none;
    for (const fs::directory_entry& entry : fs::directory_iterator(VELMAR_PACKAGE_DIR, none)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("velmar_" VELMAR_VERSION, 0) == 0 && entry.path().extension() == ".deb")
            return entry.path();
    }
    return std::nullopt;
}

std::string field(const fs::path& package, const std::string& name)
{
    std::string value = RunCommand({"/usr/bin/dpkg-deb", "-f", package.string(), name}).text;
    while (!value.empty() && value.back() == '\n')
        value.pop_back();
    return value;
}

class DebianPackage : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto found = builtPackage();
        if (!found)
            GTEST_SKIP() << "no package in " VELMAR_PACKAGE_DIR "; scripts/package builds one";
        if (!fs::exists("/usr/bin/dpkg-deb"))
            GTEST_SKIP() << "dpkg-deb is not installed";
        package = *found;
    }

    fs::path package;
};

TEST_F(DebianPackage, ControlFieldsNameTheProgramsNeeds)
{
    EXPECT_EQ(field(package, "Package"), "velmar");
    EXPECT_EQ(field(package, "Version").rfind(VELMAR_VERSION, 0), 0U);
    EXPECT_EQ(field(package, "Section"), "sound");
    EXPECT_NE(field(package, "Maintainer").find('@'), std::string::npos);
    EXPECT_NE(field(package, "Description"), "");

    const std::string depends = field(package, "Depends");
    // Found by dpkg-shlibdeps in the programs, and what they read besides.
    for (const char* needed : {"libqt6widgets6", "libfluidsynth3", "libasound2", "libjack",
                               "libsmf0", "qt6-qpa-plugins", "sf2-soundfont-gm"})
        EXPECT_NE(depends.find(needed), std::string::npos) << needed << " in " << depends;
}

TEST_F(DebianPackage, HoldsTheInstalledTreeUnderUsr)
{
    const std::string files = RunCommand({"/usr/bin/dpkg-deb", "-c", package.string()}).text;
    for (const std::string& program : kPrograms) {
        SCOPED_TRACE(program);
        EXPECT_NE(files.find(" ./usr/" VELMAR_PROGRAM_DIR "/" + program + "\n"), std::string::npos);
        // A relative link: the tree works wherever it is unpacked.
        std::string link = " ./usr/" VELMAR_BIN_DIR "/" + program;
        link.append(" -> ../" VELMAR_PROGRAM_DIR "/").append(program).append("\n");
        EXPECT_NE(files.find(link), std::string::npos) << files;
        EXPECT_NE(files.find("/man1/" + program + ".1.gz\n"), std::string::npos);
    }
    for (const char* entry :
         {"applications/ostra.desktop", "applications/kettra.desktop",
          "icons/hicolor/48x48/apps/ostra.png", "icons/hicolor/256x256/apps/kettra.png"})
        EXPECT_NE(files.find(std::string("/share/") + entry + "\n"), std::string::npos) << entry;
    EXPECT_EQ(files.find("_tests"), std::string::npos);
    EXPECT_EQ(files.find("_bench"), std::string::npos);
}

TEST_F(DebianPackage, KorvoRunsFromTheUnpackedTree)
{
    const velmar::test::ScopedSession session;
    const fs::path root = session.root() / "unpacked";
    ASSERT_EQ(RunCommand({"/usr/bin/dpkg-deb", "-x", package.string(), root.string()}).exitCode, 0);
    const CommandOutput version = RunCommand({(root / "usr/bin/korvo").string(), "--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.text, "korvo " VELMAR_VERSION "\n");
}

} // namespace
} // namespace velmar::install::test
