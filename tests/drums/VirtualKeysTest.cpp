#include "drums/core/VirtualKeys.h"

#include "drums/core/KeyPlaces.h"
#include "drums/core/KitTable.h"

#include <Qt>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace velmar::drums {
namespace {

TEST(VirtualKeys, QtKeysGiveTheirWindowsCodes)
{
    const struct {
        int qtKey;
        bool keypad;
        int code;
    } keys[] = {
        {Qt::Key_Z, false, 90},           {Qt::Key_9, false, 57},
        {Qt::Key_9, true, 105},           {Qt::Key_0, true, 96},
        {Qt::Key_Clear, true, 12},        {Qt::Key_Home, true, 36},
        {Qt::Key_Home, false, 36},        {Qt::Key_Delete, true, 46},
        {Qt::Key_Period, true, 110},      {Qt::Key_Period, false, 190},
        {Qt::Key_Asterisk, true, 106},    {Qt::Key_Asterisk, false, '8'},
        {Qt::Key_Slash, true, 111},       {Qt::Key_Slash, false, 191},
        {Qt::Key_Question, false, 191},   {Qt::Key_QuoteLeft, false, 192},
        {Qt::Key_AsciiTilde, false, 192}, {Qt::Key_Apostrophe, false, 222},
        {Qt::Key_QuoteDbl, false, 222},   {Qt::Key_Backslash, false, 220},
        {Qt::Key_Bar, false, 220},        {Qt::Key_Exclam, false, '1'},
        {Qt::Key_Backspace, false, 8},    {Qt::Key_Enter, true, 13},
        {Qt::Key_Return, false, 13},      {Qt::Key_Space, false, 32},
        {Qt::Key_Backtab, false, 9},      {Qt::Key_Shift, false, 16},
        {Qt::Key_F5, false, 0},           {Qt::Key_Minus, true, 109},
    };
    for (const auto& key : keys)
        EXPECT_EQ(VirtualKeyOf(key.qtKey, key.keypad), key.code)
            << std::hex << key.qtKey << (key.keypad ? " on the keypad" : "");
}

TEST(VirtualKeys, EveryInstrumentsKeysCanBeTyped)
{
    std::set<int> typed;
    for (int key = 0; key <= 0x7E; ++key) {
        typed.insert(VirtualKeyOf(key, false));
        typed.insert(VirtualKeyOf(key, true));
    }
    for (int key = Qt::Key_Escape; key <= Qt::Key_PageDown; ++key) {
        typed.insert(VirtualKeyOf(key, false));
        typed.insert(VirtualKeyOf(key, true));
    }
    for (const DrumInstrument& row : KitTable) {
        EXPECT_TRUE(typed.contains(row.Key)) << "note " << int{row.Note};
        if (row.NavigationKey != 0) {
            EXPECT_TRUE(typed.contains(row.NavigationKey)) << "note " << int{row.Note};
        }
    }
}

TEST(VirtualKeys, EveryMainKeyboardInstrumentHasOnePlace)
{
    std::map<int, int> places; // virtual-key code, how many places give it
    for (std::uint32_t keycode = 0; keycode < 256; ++keycode)
        if (const int code = UsKeyAt(keycode); code != 0)
            ++places[code];
    constexpr int kVkBackspace = 8;
    for (const DrumInstrument& row : KitTable) {
        const bool keypad = row.Key >= 96 && row.Key <= 111;
        if (!keypad && row.Key != kVkBackspace) {
            EXPECT_EQ(places[row.Key], 1) << "note " << int{row.Note};
        }
    }
    EXPECT_EQ(places.size(), 48U) << "the 48 keys of a 105-key main keyboard that type";
}

TEST(VirtualKeys, APlaceDecidesOnlyForTheMainKeyboardsTypingKeys)
{
    const auto codeOf = [](int qtKey, std::uint32_t keycode, bool keypad = false) {
        KeyStroke stroke;
        stroke.QtKey = qtKey;
        stroke.Keypad = keypad;
        stroke.XkbKeycode = keycode;
        return VirtualKeyOf(stroke);
    };
    // The key right of the Brazilian "." key types "/": no US key sits there.
    EXPECT_EQ(codeOf(Qt::Key_Slash, 97), 0);
    EXPECT_EQ(codeOf(Qt::Key_Return, 36), 13);
    EXPECT_EQ(codeOf(Qt::Key_Home, 79, true), 36);
    EXPECT_EQ(codeOf(Qt::Key_7, 79, true), 103);
}

TEST(VirtualKeys, TheKeypadsNavigationCodes)
{
    std::set<int> navigation;
    for (int code = 0; code < 256; ++code)
        if (IsKeypadNavigationCode(code))
            navigation.insert(code);
    EXPECT_EQ(navigation, (std::set<int>{12, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46}));
}

} // namespace
} // namespace velmar::drums
