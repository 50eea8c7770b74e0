#include "runtime/language/Language.h"

#include "runtime/SharedMemory.h"
#include "runtime/language/NumberedText.h"
#include "runtime/platform/Files.h"
#include "tests/runtime/InitLanguageTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace velmar {
namespace {

namespace fs = std::filesystem;

std::string randomBytes(std::size_t count)
{
    std::mt19937 random(7);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>(random() & 0xFFu));
    return bytes;
}

TEST_F(InitLanguageTest, LowerCaseJapaneseWithBlanksSelectsJapaneseAndItsModule)
{
    write(m_exeDir / "Language.Ini", "language=  japanese\r\n");
    installModuleAs('J');
    init();
    const LanguageState& state = languageState();
    EXPECT_EQ(state.LanguageIndex, 10);
    EXPECT_TRUE(languageModuleLoaded());
    EXPECT_EQ(LoadNumStr(28), QStringLiteral("Fout"));
    EXPECT_EQ(state.ExeDir, m_exeDir.string() + "/");
    EXPECT_EQ(state.DataDir, state.ExeDir);
    EXPECT_EQ(state.WindowsDir, m_windowsDir.string() + "/");
    EXPECT_EQ(fs::current_path(), m_exeDir);
}

TEST_F(InitLanguageTest, EnglishLoadsNoModuleEvenWhenModuleELies)
{
    write(m_exeDir / "Language.Ini", "LANGUAGE=English\n");
    installModuleAs('E');
    init();
    EXPECT_EQ(languageState().LanguageIndex, 0);
    EXPECT_FALSE(languageModuleLoaded());
    EXPECT_EQ(LoadNumStr(28), QStringLiteral("Error"));
}

TEST_F(InitLanguageTest, ModuleTextsFallBackToEnglishOneNumberAtATime)
{
    write(m_exeDir / "Language.Ini", "LANGUAGE=Dutch\n");
    installModuleAs('U');
    init();
    ASSERT_TRUE(languageModuleLoaded());
    EXPECT_EQ(LoadNumStr(28), QStringLiteral("Fout"));
    EXPECT_EQ(LoadNumStr(9000), QStringLiteral("Alleen in deze module"));
    EXPECT_EQ(LoadNumStr(4679), QStringLiteral("Error deallocating mapped memory"));
    EXPECT_EQ(LoadNumStr(4680), QStringLiteral("Error freeing memory mapping handle"));
    EXPECT_EQ(LoadNumStr(60000), QStringLiteral("1"));
    EXPECT_EQ(LoadNumStr(9001), QString(1021, u'x')); // 1022 would split a surrogate pair
    EXPECT_STREQ(LoadNumStrP(4678), "Fout bij het cre\xC3\xAB"
                                    "ren van de geheugentoewijzing");
    EXPECT_STREQ(LoadNumStrP(60000), "1");
    // The shared memory, which does without Qt, reports in the language too.
    EXPECT_EQ(NumberedText(4678), "Fout bij het cre\xC3\xAB"
                                  "ren van de geheugentoewijzing");
    try {
        (void)SharedMemory::Create("bad/name", 70020);
        ADD_FAILURE() << "a mapping name with a slash was taken";
    } catch (const SharedMemoryError& error) {
        EXPECT_EQ(error.what(), NumberedText(4678));
    }

    FreeLanguageLibrary();
    EXPECT_EQ(LoadNumStr(28), QStringLiteral("Error"));
    EXPECT_EQ(NumberedText(4678), "Error creating memory mapping");
}

TEST_F(InitLanguageTest, PortugueseMatchesInEitherEncoding)
{
    installModuleAs('P');
    for (const std::string line : {"LANGUAGE=Portugu\xEAs\r\n", "LANGUAGE=Portugu\xC3\xAAs\n"}) {
        write(m_exeDir / "Language.Ini", line);
        init();
        EXPECT_EQ(languageState().LanguageIndex, 16) << line;
        EXPECT_TRUE(languageModuleLoaded()) << line;
    }
}

TEST_F(InitLanguageTest, BrokenOrMissingModuleLeavesTheTextsInEnglish)
{
    write(m_exeDir / "Language.Ini", "LANGUAGE=French\n");
    installModuleAs('F');
    init();
    ASSERT_TRUE(languageModuleLoaded());

    write(m_exeDir / "Language.Ini", "LANGUAGE=English\n");
    init();
    EXPECT_FALSE(languageModuleLoaded());

    write(m_exeDir / "Language.Ini", "LANGUAGE=French\n");
    write(m_exeDir / "Korvo2^F.qm", randomBytes(4096));
    init();
    EXPECT_EQ(languageState().LanguageIndex, 6);
    EXPECT_FALSE(languageModuleLoaded());
    EXPECT_EQ(LoadNumStr(28), QStringLiteral("Error"));

    fs::remove(m_exeDir / "Korvo2^F.qm");
    init();
    EXPECT_EQ(languageState().LanguageIndex, 6);
    EXPECT_FALSE(languageModuleLoaded());
}

TEST_F(InitLanguageTest, GarbageAndHugeLanguageIni)
{
    struct Case {
        const char* what;
        std::string bytes;
        int index;
    };
    const std::string garbage = randomBytes(65536);
    const std::vector<Case> cases = {
        {"garbage", garbage, 0},
        {"line amid garbage", garbage + "\nLANGUAGE=German\n" + garbage, 7},
        {"huge line", std::string(400000, 'A') + "\r\nlanguage=french", 6},
        {"bigger than any ini", std::string(2000000, '\n') + "LANGUAGE=German", 0},
        {"a directory", "", 0},
    };
    for (const Case& c : cases) {
        fs::remove_all(m_exeDir / "Language.Ini");
        if (c.bytes.empty())
            fs::create_directory(m_exeDir / "Language.Ini");
        else
            write(m_exeDir / "Language.Ini", c.bytes);
        init();
        EXPECT_EQ(languageState().LanguageIndex, c.index) << c.what;
    }
}

TEST_F(InitLanguageTest, FontOverridesFromFontnameIni)
{
    struct Case {
        const char* what;
        std::string bytes;
        const char* name;
        int size;
    };
    const char* face = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83"
                       "\xE3\x82\xAF";
    const std::string section =
        std::string("[FONTNAME]\r\nFontName=") + face + "\r\nFontSize=11\r\n";
    const std::vector<Case> cases = {
        {"plain", section, face, 11},
        {"after garbage", randomBytes(65536) + std::string(300000, '=') + "\n" + section, face, 11},
        {"garbage only", randomBytes(65536), "", 0},
        {"no file", "", "", 0},
    };
    for (const Case& c : cases) {
        fs::remove(m_exeDir / "fontname.ini");
        if (!c.bytes.empty())
            write(m_exeDir / "fontname.ini", c.bytes);
        init();
        EXPECT_EQ(languageState().FontNameOverride, QString::fromUtf8(c.name)) << c.what;
        EXPECT_EQ(languageState().FontSizeOverride, c.size) << c.what;
    }
}

class UnwritableExeDirTest : public InitLanguageTest {
protected:
    void expectFilesReadFromWindowsDir(const fs::path& exeDir)
    {
        write(m_windowsDir / "Language.Ini", "LANGUAGE=French\n");
        write(m_windowsDir / "fontname.ini", "[FONTNAME]\nFontSize=14\n");
        write(m_exeDir / "Language.Ini", "LANGUAGE=German\n");
        init(exeDir);
        EXPECT_EQ(languageState().DataDir, m_windowsDir.string() + "/");
        EXPECT_EQ(languageState().LanguageIndex, 6);
        EXPECT_EQ(languageState().FontSizeOverride, 14);
    }
};

TEST_F(UnwritableExeDirTest, NoFreeSpace)
{
    // /proc reports no free space at all, which no permission of root can override.
    if (platform::directoryWritable("/proc/"))
        GTEST_SKIP() << "/proc reports free space on this system";
    expectFilesReadFromWindowsDir("/proc");
}

TEST_F(UnwritableExeDirTest, ReadOnlyDirectory)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any directory; NoFreeSpace covers the fallback";
    fs::permissions(m_exeDir, fs::perms::owner_read | fs::perms::owner_exec);
    expectFilesReadFromWindowsDir(m_exeDir);
    fs::permissions(m_exeDir, fs::perms::owner_all);
}

TEST_F(InitLanguageTest, ProgramDirectoryThatCannotBeEnteredThrows)
{
    const fs::path missing = m_session.root() / "no such directory";
    try {
        init(missing);
        FAIL() << "no exception";
    } catch (const std::system_error& error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos)
            << error.what();
    }
}

TEST_F(InitLanguageTest, WithoutArgumentsUsesThePlatformDirectories)
{
    InitLanguage();
    EXPECT_EQ(languageState().ExeDir, platform::ExeDir());
    EXPECT_EQ(languageState().WindowsDir, (m_session.configDir() / "velmar").string() + "/");
    EXPECT_EQ(fs::current_path().string() + "/", platform::ExeDir());
}

} // namespace
} // namespace velmar
