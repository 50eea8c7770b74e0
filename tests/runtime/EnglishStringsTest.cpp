#include "runtime/language/EnglishStrings.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace velmar {
namespace {

std::string textOf(std::uint16_t number)
{
    const auto text = englishString(number);
    return text ? std::string(*text) : std::string("<missing>");
}

TEST(EnglishStrings, TableIsSortedWithEachNumberOnce)
{
    const auto table = englishStrings();
    ASSERT_FALSE(table.empty());
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].number, table[i].number) << "at entry " << i;
}

TEST(EnglishStrings, LookupFindsEveryEntryAndMissesGaps)
{
    const auto table = englishStrings();
    EXPECT_EQ(textOf(28), "Error");                              // first
    EXPECT_EQ(textOf(15619), "the MIDI file could not be made"); // last
    EXPECT_EQ(textOf(3565), "Could not communicate with EXE, exiting program.");
    EXPECT_EQ(table.front().number, 28);
    EXPECT_EQ(table.back().number, 15619);

    for (const auto& entry : table) {
        const auto found = englishString(entry.number);
        ASSERT_TRUE(found.has_value()) << entry.number;
        EXPECT_EQ(found->data(), entry.text.data()) << entry.number;
    }

    // Before the first, between groups, inside a group's unused numbers, after the last.
    for (const int gap : {0, 1, 27, 29, 3499, 3561, 4001, 4013, 4666, 15275, 65535})
        EXPECT_FALSE(englishString(static_cast<std::uint16_t>(gap)).has_value()) << gap;
}

TEST(EnglishStrings, GroupsHaveNoHoles)
{
    struct Range {
        std::uint16_t first;
        std::uint16_t last;
    };
    // Instrument names, drum settings, key hints, drum captions, event and controller names,
    // data labels, decimal event names, hex controller names, filter options, host link texts,
    // the grid's menu and find window.
    for (const Range range :
         {Range{3500, 3560}, Range{3565, 3581}, Range{3710, 3785}, Range{3835, 4000},
          Range{4003, 4012}, Range{4014, 4023}, Range{4025, 4043}, Range{4046, 4056},
          Range{4058, 4060}, Range{4080, 4085}, Range{4098, 4100}, Range{4642, 4646},
          Range{4669, 4680}, Range{15109, 15259}, Range{15270, 15274}, Range{15600, 15601},
          Range{15604, 15610}}) {
        for (int n = range.first; n <= range.last; ++n)
            EXPECT_TRUE(englishString(static_cast<std::uint16_t>(n)).has_value()) << n;
    }
}

TEST(EnglishStrings, TextsKeepTheirExactSpellingAndSpaces)
{
    struct Case {
        std::uint16_t number;
        std::string_view text;
    };
    const Case cases[] = {
        {4671, " is running, but VelmarLink component could not link. This error can occur if "},
        {3995, "Pitch = "},
        {3858, "Velocity = "},
        {3861, "CC Value ="},
        {3998, "Clocks (24 PPQN) ="},
        {3781, "Suggestion: You are in 16 color video mode (4 bit). "},
        {3782, "Color of Kettra will be improved if you increase to 16 bit color (using Control "
               "Panel | Display | Settings|"},
        {3847, "Undefined {$F5)"},
        {15121, "Undefined {#245)"},
        {3724, "''' (apostrophe)"},
        {3716, "Del (left arrow key)"},
        {3717, "'~' (tilde key)"},
        {3508, "Ac. Bass Drum"},
        {4646, "Display QUERTY Chars On Drums"},
        {4065, "$OSTRA.cfg"},
        {3785, "$Kettra.cfg"},
        {4049, "Evt #"},
        {4028, "Only..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textOf(c.number), c.text) << c.number;

    // Doubled apostrophes are shown as they stand; a single one in 4673 as well.
    EXPECT_NE(textOf(4672).find("doesn''t support linking"), std::string::npos);
    EXPECT_NE(textOf(4673).find("can''t find the main window handle"), std::string::npos);
    EXPECT_NE(textOf(4673).find("you didn't specify"), std::string::npos);
    EXPECT_NE(textOf(4674).find("sign in failed.  This could"), std::string::npos);
    EXPECT_EQ(textOf(4674).front(), ' ');
}

TEST(EnglishStrings, ControllerNamesInBothForms)
{
    EXPECT_EQ(textOf(3862), "#0 Bank Select MSB");
    EXPECT_EQ(textOf(3869), "#7 Main Volume MSB");
    EXPECT_EQ(textOf(3865), "#3 Undefined");
    EXPECT_EQ(textOf(3898), "#36 Foot Control LSB");
    EXPECT_EQ(textOf(3945), "#83 General Purpose 8");
    EXPECT_EQ(textOf(3989), "#127 Poly On");
    EXPECT_EQ(textOf(15132), "$00 Bank Select MSB");
    EXPECT_EQ(textOf(15139), "$07 Main Volume MSB");
    EXPECT_EQ(textOf(15148), "$10 General Purpose 1 MSB");
    EXPECT_EQ(textOf(15222), "$5A Undefined");
    EXPECT_EQ(textOf(15230), "$62 Non-Registered Param LSB");
    EXPECT_EQ(textOf(15259), "$7F Poly On");

    // Each controller has the same name in both forms, behind "#n " and "$NN ".
    for (int n = 0; n < 128; ++n) {
        const std::string decimal = textOf(static_cast<std::uint16_t>(3862 + n));
        const std::string hex = textOf(static_cast<std::uint16_t>(15132 + n));
        const std::string decimalPrefix = "#" + std::to_string(n) + " ";
        char hexPrefix[8];
        std::snprintf(hexPrefix, sizeof hexPrefix, "$%02X ", n);
        ASSERT_TRUE(decimal.starts_with(decimalPrefix)) << decimal;
        ASSERT_TRUE(hex.starts_with(hexPrefix)) << hex;
        EXPECT_EQ(decimal.substr(decimalPrefix.size()), hex.substr(4)) << n;
    }
}

TEST(EnglishStrings, EventNamesAgreeInHexAndDecimal)
{
    // "Note Off ($8x)" and "Note Off (#128)": same name, same status value.
    for (int row = 0; row < 23; ++row) {
        const std::string hex = textOf(static_cast<std::uint16_t>(3835 + row));
        const std::string decimal = textOf(static_cast<std::uint16_t>(15109 + row));
        const auto dollar = hex.find('$');
        const auto hash = decimal.find('#');
        ASSERT_NE(dollar, std::string::npos) << hex;
        ASSERT_NE(hash, std::string::npos) << decimal;
        EXPECT_EQ(hex.substr(0, dollar), decimal.substr(0, hash)) << row;

        std::string digits = hex.substr(dollar + 1, 2);
        if (digits[1] == 'x')
            digits[1] = '0';
        const int status = std::stoi(digits, nullptr, 16);
        EXPECT_EQ(status, row < 7 ? 0x80 + 16 * row : 0xF0 + row - 7) << hex;
        EXPECT_EQ(decimal.substr(hash + 1), std::to_string(status) + ")") << decimal;
    }
}

TEST(EnglishStrings, EveryTextIsValidUtf8AndFitsTheLoaderBuffer)
{
    for (const auto& entry : englishStrings()) {
        EXPECT_FALSE(entry.text.empty()) << entry.number;
        EXPECT_LT(entry.text.size(), 1023u) << entry.number;
        EXPECT_EQ(entry.text.find('\0'), std::string_view::npos) << entry.number;
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(
            QByteArrayView(entry.text.data(), static_cast<qsizetype>(entry.text.size())));
        EXPECT_FALSE(decoder.hasError()) << entry.number;
        EXPECT_FALSE(decoded.isEmpty()) << entry.number;
    }
}

} // namespace
} // namespace velmar
