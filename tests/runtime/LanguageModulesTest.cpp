#include "runtime/language/EnglishStrings.h"
#include "runtime/language/Language.h"
#include "runtime/language/LanguageModule.h"
#include "runtime/language/LanguageNames.h"
#include "runtime/link/LinkMessages.h"
#include "tests/runtime/InitLanguageTest.h"
#include "tests/support/PrintQString.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velmar {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kModulePrefix = "Korvo2^";

// The modules the build ships: every Korvo2^<letter>.qm in the program directory.
std::vector<fs::path> shippedModules()
{
    std::vector<fs::path> modules;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(VELMAR_PROGRAM_DIR, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == kModulePrefix.size() + 4 && name.starts_with(kModulePrefix) &&
            name.ends_with(".qm"))
            modules.push_back(entry.path());
    }
    std::sort(modules.begin(), modules.end());
    return modules;
}

char letterOf(const fs::path& module)
{
    return module.filename().string()[kModulePrefix.size()];
}

std::optional<int> languageWithLetter(char letter)
{
    for (int index = 0; index < kLanguageCount; ++index) {
        if (moduleLetter(index) == letter)
            return index;
    }
    return std::nullopt;
}

QString englishText(const NumberedString& entry)
{
    return QString::fromUtf8(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
}

// What a translation carries over unchanged and in order: format tokens ("%", "%1", "%s") and
// the status and controller numbers the monitor's texts are named by ("$9x", "$0A", "#128").
QStringList tokens(const QString& text)
{
    static const QRegularExpression token(
        QStringLiteral(R"(%(?:\d+|[A-Za-z%])?|\$[0-9A-F]{1,2}x?|#\d+)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : token.globalMatch(text))
        found.append(match.captured());
    return found;
}

// Accelerator marks: an '&' before a character; "&&" shows an ampersand.
int accelerators(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (i + 1 < text.size() && text[i + 1] == u'&')
            ++i;
        else
            ++count;
    }
    return count;
}

std::string listed(const std::vector<unsigned>& numbers)
{
    std::string list;
    for (const unsigned number : numbers)
        list += ' ' + std::to_string(number);
    return list;
}

class LanguageModulesTest : public InitLanguageTest,
                            public ::testing::WithParamInterface<fs::path> {
protected:
    [[nodiscard]] std::unique_ptr<LanguageModule> load() const
    {
        return LanguageModule::load(GetParam().string());
    }
};

// The English text goes into each message as a comment for translators; the lookup is by
// number alone, so every number must still be found.
TEST_P(LanguageModulesTest, TranslatesExactlyTheNumbersOfTheEnglishTable)
{
    const auto module = load();
    ASSERT_NE(module, nullptr);
    std::vector<unsigned> missing;
    std::vector<unsigned> extra;
    for (unsigned number = 0; number <= 0xFFFFU; ++number) {
        const auto key = static_cast<std::uint16_t>(number);
        const bool translated = module->text(key).has_value();
        const bool english = englishString(key).has_value();
        if (english && !translated)
            missing.push_back(number);
        if (translated && !english)
            extra.push_back(number);
    }
    EXPECT_TRUE(missing.empty()) << "missing or empty:" << listed(missing);
    EXPECT_TRUE(extra.empty()) << "not in the English table:" << listed(extra);
}

TEST_P(LanguageModulesTest, KeepsTokensJoiningBlanksLineBreaksAndAccelerators)
{
    const auto module = load();
    ASSERT_NE(module, nullptr);
    for (const NumberedString& entry : englishStrings()) {
        const auto translation = module->text(entry.number);
        if (!translation)
            continue; // reported by the test above
        const QString english = englishText(entry);
        SCOPED_TRACE(testing::Message() << entry.number << " \"" << english.toStdString()
                                        << "\" -> \"" << translation->toStdString() << '"');
        EXPECT_FALSE(translation->trimmed().isEmpty());
        EXPECT_EQ(tokens(*translation), tokens(english));
        // The programs join texts: the host's name goes before " is running", a value after
        // "Velocity = ". The blank between them belongs to the text.
        if (english.startsWith(u' ')) {
            EXPECT_TRUE(translation->startsWith(u' '));
        }
        if (english.endsWith(u' ')) {
            EXPECT_TRUE(translation->endsWith(u' '));
        }
        EXPECT_EQ(translation->count(u'\n'), english.count(u'\n'));
        EXPECT_EQ(translation->count(u'\r'), english.count(u'\r'));
        EXPECT_EQ(accelerators(*translation), accelerators(english));
    }
}

// The settings files are named by these numbers: a translated name would leave the settings
// behind whenever the language changes.
TEST_P(LanguageModulesTest, KeepsTheSettingsFileNames)
{
    const auto module = load();
    ASSERT_NE(module, nullptr);
    for (const std::uint16_t number : std::array<std::uint16_t, 2>{3785, 4065}) {
        const auto english = englishString(number);
        ASSERT_TRUE(english.has_value()) << number;
        EXPECT_EQ(module->text(number),
                  QString::fromUtf8(english->data(), static_cast<qsizetype>(english->size())))
            << number;
    }
}

// The host link joins four paragraphs into one message, with two line breaks between each,
// and cuts it at a fixed length: behind the host's name the last paragraph must still fit.
TEST_P(LanguageModulesTest, SignInFailureMessageFitsWhole)
{
    const auto module = load();
    ASSERT_NE(module, nullptr);
    const QString paragraphBreak = QStringLiteral("\r\r");
    qsizetype length = QStringLiteral("KORVO.EXE").size() + 3 * paragraphBreak.size();
    for (const std::uint16_t paragraph : std::array<std::uint16_t, 4>{4674, 4675, 4676, 4677})
        length += module->text(paragraph).value_or(QString()).size();
    EXPECT_LE(length, kSignInFailedTextLength);
}

TEST_P(LanguageModulesTest, ChosenByItsNameInLanguageIni)
{
    const char letter = letterOf(GetParam());
    const auto index = languageWithLetter(letter);
    ASSERT_TRUE(index.has_value()) << "no language has the letter " << letter;
    installModuleAs(GetParam(), letter);
    write(m_exeDir / "Language.Ini", "LANGUAGE=" + languageName(*index).toStdString() + "\r\n");
    init();
    EXPECT_EQ(languageState().LanguageIndex, *index);
    ASSERT_TRUE(languageModuleLoaded());

    const auto module = load();
    ASSERT_NE(module, nullptr);
    for (const NumberedString& entry : englishStrings()) {
        if (const auto translation = module->text(entry.number)) {
            EXPECT_EQ(LoadNumStr(entry.number), *translation) << entry.number;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageModulesTest, ::testing::ValuesIn(shippedModules()),
                         [](const ::testing::TestParamInfo<fs::path>& module) {
                             return std::string(1, letterOf(module.param));
                         });

TEST_F(InitLanguageTest, GermanInLanguageIniGivesGermanTexts)
{
    installModuleAs(fs::path(VELMAR_PROGRAM_DIR) / "Korvo2^G.qm", 'G');
    write(m_exeDir / "Language.Ini", "LANGUAGE=German\n");
    init();
    EXPECT_EQ(languageState().LanguageIndex, 7);
    EXPECT_EQ(LoadNumStr(28), QStringLiteral("Fehler"));
    EXPECT_EQ(LoadNumStr(4026), QStringLiteral("Abbrechen"));
    EXPECT_EQ(LoadNumStr(3836), QStringLiteral("Note-On ($9x)"));
    EXPECT_EQ(LoadNumStr(3862), QStringLiteral("#0 Bankwahl MSB"));
    EXPECT_EQ(LoadNumStr(60000), QStringLiteral("1"));
}

} // namespace
} // namespace velmar
