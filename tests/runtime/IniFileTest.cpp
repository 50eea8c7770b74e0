#include "runtime/text/IniFile.h"

#include "runtime/text/TextDecoding.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

namespace velmar {
namespace {

TEST(IniFile, FindsValuesTheWayPrivateProfileReadingDoes)
{
    const IniFile ini(splitLines(QStringLiteral("FontName=before any section\n"
                                                "[Other]\n"
                                                "FontName=other\n"
                                                "  [ fontname ]  \n"
                                                "  FONTNAME =  Noto Sans CJK JP  \n"
                                                "Quoted = \"  spaced  \"\n"
                                                "Single='x'\n"
                                                "Lonely=\"\n"
                                                "Empty=\n"
                                                "[broken\n"
                                                "FontName=second\n"
                                                "[FONTNAME]\n"
                                                "Later=in a repeated section\n")));
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"FONTNAME", "FontName", "Noto Sans CJK JP"},
        {"other", "fontname", "other"},
        {"FONTNAME", "Quoted", "  spaced  "},
        {"FONTNAME", "Single", "x"},
        {"FONTNAME", "Lonely", "\""},
        {"FONTNAME", "Empty", "fallback"},
        {"FONTNAME", "Missing", "fallback"},
        {"FONTNAME", "Later", "fallback"},
        {"Missing", "FontName", "fallback"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini.readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                 QStringLiteral("fallback")),
                  QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;
    }
}

TEST(IniFile, ReadsTheIntegerAValueStartsWith)
{
    struct Case {
        const char* value;
        int expected;
    };
    const std::vector<Case> cases = {
        {"12", 12},
        {"12pt", 12},
        {"+5", 5},
        {"-3", -3},
        {"pt12", 0},
        {"0x10", 0},
        {"   ", 7},
        {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483648", 0},
    };
    for (const Case& c : cases) {
        const IniFile ini(
            {QStringLiteral("[S]"), QStringLiteral("K=") + QString::fromUtf8(c.value)});
        EXPECT_EQ(ini.readInteger(u"s", u"k", 7), c.expected) << c.value;
    }
    EXPECT_EQ(IniFile({}).readInteger(u"S", u"K", 7), 7);
}

TEST(IniFile, GarbageAndHugeLinesLeaveLaterSectionsReadable)
{
    std::mt19937 random(20240601);
    std::string bytes;
    for (int i = 0; i < 65536; ++i)
        bytes.push_back(static_cast<char>(random() & 0xFFu));
    bytes.append(300000, '[');
    bytes.append("\n[FONTNAME]\nFontSize=9\n");
    const IniFile ini(splitLines(decodeText(bytes)));
    EXPECT_EQ(ini.readInteger(u"FONTNAME", u"FontSize", 0), 9);
}

} // namespace
} // namespace velmar
