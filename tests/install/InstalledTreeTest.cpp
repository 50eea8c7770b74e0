#include "tests/install/CommandOutput.h"
#include "tests/install/ScratchInstall.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <regex>
#include <sstream>

namespace velmar::install::test {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool isElf(const fs::path& path)
{
    return readBytes(path).rfind("\x7f"
                                 "ELF",
                                 0) == 0;
}

std::uint32_t bigEndian(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(install.Installed()) << install.Log(); }

    velmar::test::ScopedSession session;
    ScratchInstall install{session.root() / "destdir"};
};

TEST_F(InstalledTree, ProgramsLieInTheirDirectoryWithRelativeLinksOnThePath)
{
    for (const std::string& program : kPrograms) {
        SCOPED_TRACE(program);
        const fs::path installed = install.ProgramDir() / program;
        ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(installed)));
        EXPECT_NE(fs::status(installed).permissions() & fs::perms::others_exec, fs::perms::none);

        const fs::path link = install.BinDir() / program;
        ASSERT_TRUE(fs::is_symlink(link));
        EXPECT_TRUE(fs::read_symlink(link).is_relative()) << "a staged tree must work anywhere";
        EXPECT_EQ(fs::canonical(link), fs::canonical(installed));
    }
    std::size_t onPath = 0;
    for ([[maybe_unused]] const fs::directory_entry& entry :
         fs::directory_iterator(install.BinDir()))
        ++onPath;
    EXPECT_EQ(onPath, kPrograms.size());
}

TEST_F(InstalledTree, NoTestBenchmarkOrToolIsInstalled)
{
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(install.Root())) {
        if (entry.is_symlink() || !entry.is_regular_file() || !isElf(entry.path()))
            continue;
        const std::string name = entry.path().filename().string();
        EXPECT_NE(std::find(kPrograms.begin(), kPrograms.end(), name), kPrograms.end())
            << entry.path();
        EXPECT_EQ(entry.path().parent_path(), install.ProgramDir());
    }
}

TEST_F(InstalledTree, DesktopEntriesStartTheLinkedProgramsWithTheirIcons)
{
    const std::array sizes{16, 24, 32, 48, 64, 72, 96, 128, 256};
    for (const std::string program : {"ostra", "kettra"}) {
        SCOPED_TRACE(program);
        const std::string entry =
            readBytes(install.DataDir() / "applications" / (program + ".desktop"));
        EXPECT_NE(entry.find("\nExec=" + program + "\n"), std::string::npos) << entry;
        EXPECT_NE(entry.find("\nIcon=" + program + "\n"), std::string::npos) << entry;
        EXPECT_NE(entry.find("\nTerminal=false\n"), std::string::npos) << entry;
        EXPECT_TRUE(fs::exists(install.BinDir() / program));

        for (const int size : sizes) {
            const std::string side = std::to_string(size);
            const fs::path icon = install.DataDir() / "icons" / "hicolor" /
                                  (side + 'x').append(side) / "apps" / (program + ".png");
            const std::string png = readBytes(icon);
            ASSERT_GE(png.size(), 24U) << icon;
            EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n") << icon;
            EXPECT_EQ(bigEndian(png, 16), static_cast<std::uint32_t>(size)) << icon;
            EXPECT_EQ(bigEndian(png, 20), static_cast<std::uint32_t>(size)) << icon;
        }
    }
}

TEST_F(InstalledTree, EveryProgramHasItsCompressedManualPage)
{
    for (const std::string& program : kPrograms) {
        SCOPED_TRACE(program);
        const fs::path page = install.ManDir() / "man1" / (program + ".1.gz");
        const CommandOutput text = RunCommand({"/bin/gzip", "-dc", page.string()});
        EXPECT_EQ(text.exitCode, 0);
        std::string title = program;
        std::transform(title.begin(), title.end(), title.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        EXPECT_EQ(text.text.rfind(".TH " + title + " 1 ", 0), 0U) << text.text.substr(0, 80);
    }
}

// The build carries what the translations and help folders install; each must land beside
// the programs, where they look for them.
TEST_F(InstalledTree, LanguageModulesAndHelpPagesLieBesideThePrograms)
{
    const fs::path sources = VELMAR_SOURCE_DIR;
    bool any = false;
    std::error_code none;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(sources / "translations", none)) {
        if (entry.path().extension() != ".ts")
            continue;
        any = true;
        const fs::path module = install.ProgramDir() / entry.path().stem().concat(".qm");
        EXPECT_GT(fs::file_size(module, none), 0U) << module;
    }
    if (fs::is_directory(sources / "help")) {
        any = true;
        EXPECT_TRUE(fs::is_regular_file(install.ProgramDir() / "Sablo2.html"));
        // Every picture or page a help page names must have come along.
        const std::regex reference(R"re((?:src|href)="([^"#:]+)")re");
        for (const fs::directory_entry& entry : fs::directory_iterator(install.ProgramDir())) {
            if (entry.path().extension() != ".html")
                continue;
            const std::string page = readBytes(entry.path());
            for (std::sregex_iterator it(page.begin(), page.end(), reference), end; it != end; ++it)
                EXPECT_TRUE(fs::exists(install.ProgramDir() / (*it)[1].str()))
                    << entry.path().filename() << " names " << (*it)[1].str();
        }
    }
    if (!any)
        GTEST_SKIP() << "this tree has no translations and no help pages yet";
}

TEST_F(InstalledTree, KorvoOnThePathPrintsItsVersion)
{
    const CommandOutput version = RunCommand({(install.BinDir() / "korvo").string(), "--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.text, "korvo " VELMAR_VERSION "\n");
}

} // namespace
} // namespace velmar::install::test
