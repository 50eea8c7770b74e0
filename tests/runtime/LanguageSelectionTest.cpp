#include "runtime/language/LanguageSelection.h"

#include "runtime/language/LanguageNames.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace velmar {
namespace {

TEST(LanguageNames, ModuleAndHelpLetters)
{
    struct Case {
        int index;
        QString name;
        std::optional<char> module;
        std::optional<char> help;
    };
    const std::vector<Case> cases = {
        {0, QStringLiteral("English"), std::nullopt, 'E'},
        {8, QStringLiteral("Finnish"), 'H', 'F'},
        {12, QStringLiteral("Chinese Simplified"), 'L', 'C'},
        {16, QStringLiteral("Portugu\u00EAs"), 'P', 'P'},
        {26, QStringLiteral("Z"), 'Z', 'Z'},
        {27, QString(), std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(languageName(c.index), c.name) << c.index;
        EXPECT_EQ(moduleLetter(c.index), c.module) << c.index;
        EXPECT_EQ(helpLetter(c.index), c.help) << c.index;
    }
}

TEST(LanguageSelection, OneLine)
{
    struct Case {
        QString line;
        std::optional<int> index;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("language=  japanese"), 10},
        {QStringLiteral("LANGUAGE=English"), 0},
        {QStringLiteral("Language=\tFrench \x01"), 6},
        {QStringLiteral("LANGUAGE=French\0"), 6},
        {QStringLiteral("LANGUAGE=portugu\u00EAs"), 16},
        {QStringLiteral("LANGUAGE=PORTUGU\u00CAS"), std::nullopt},
        {QStringLiteral("LANGUAGE=chinese simplified"), 12},
        {QStringLiteral("LANGUAGE=Chinese  Simplified"), std::nullopt},
        {QStringLiteral("LANGUAGE=x"), 24},
        {QStringLiteral("LANGUAGE=Klingon"), std::nullopt},
        {QStringLiteral("LANGUAGE="), std::nullopt},
        {QStringLiteral("LANGUAGE"), std::nullopt},
        {QStringLiteral(" LANGUAGE=French"), std::nullopt},
        {QStringLiteral("LANGUAGE =French"), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(languageOfLine(c.line), c.index) << c.line.toStdString();
}

TEST(LanguageSelection, LastLineNamingALanguageWins)
{
    struct Case {
        QStringList lines;
        int index;
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("LANGUAGE=French"), QStringLiteral("LANGUAGE=Klingon"),
          QStringLiteral("something else")},
         6},
        {{QStringLiteral("LANGUAGE=French"), QStringLiteral("LANGUAGE=German")}, 7},
        {{QStringLiteral("LANGUAGE=German"), QStringLiteral("LANGUAGE=English")}, 0},
        {{QStringLiteral("[Settings]"), QStringLiteral("Language=Dutch")}, 21},
        {{}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectLanguage(c.lines), c.index) << c.lines.join(u'|').toStdString();
}

} // namespace
} // namespace velmar
