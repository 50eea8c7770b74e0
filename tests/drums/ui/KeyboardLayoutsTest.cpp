#include "runtime/HostMessages.h"
#include "tests/drums/ui/FormRig.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velmar::drums::test {
namespace {

// One key of the main keyboard as Qt reports it on X11 (Wayland gives the same through
// xkb): its place as an xkb keycode, then Qt's key and text without and with Shift; and
// the note it is to play whichever it types (0: none).
struct LayoutKey {
    const char* Place;
    std::uint32_t Keycode;
    int Key;
    const char* Text;
    int ShiftedKey;
    const char* ShiftedText;
    std::uint8_t Note;
};

// Recorded from Qt with the xkb layouts "de" and "fr".
constexpr LayoutKey kGerman[] = {
    {"TLDE", 49, Qt::Key_Dead_Circumflex, "", Qt::Key_degree, "°", 33},
    {"AE02", 11, Qt::Key_2, "2", Qt::Key_QuoteDbl, "\"", 80},
    {"AE03", 12, Qt::Key_3, "3", Qt::Key_section, "§", 67},
    {"AE07", 16, Qt::Key_7, "7", Qt::Key_Slash, "/", 76},
    {"AE10", 19, Qt::Key_0, "0", Qt::Key_Equal, "=", 69},
    {"AE11", 20, Qt::Key_ssharp, "ß", Qt::Key_Question, "?", 82},
    {"AE12", 21, Qt::Key_Dead_Acute, "", Qt::Key_Dead_Grave, "", 70},
    {"AD06", 29, Qt::Key_Z, "z", Qt::Key_Z, "Z", 36},
    {"AD11", 34, Qt::Key_Udiaeresis, "ü", Qt::Key_Udiaeresis, "Ü", 60},
    {"AD12", 35, Qt::Key_Plus, "+", Qt::Key_Asterisk, "*", 61},
    {"AC10", 47, Qt::Key_Odiaeresis, "ö", Qt::Key_Odiaeresis, "Ö", 43},
    {"AC11", 48, Qt::Key_Adiaeresis, "ä", Qt::Key_Adiaeresis, "Ä", 41},
    {"BKSL", 51, Qt::Key_NumberSign, "#", Qt::Key_Apostrophe, "'", 54},
    {"AB01", 52, Qt::Key_Y, "y", Qt::Key_Y, "Y", 86},
    {"AB10", 61, Qt::Key_Minus, "-", Qt::Key_Underscore, "_", 46},
    {"LSGT", 94, Qt::Key_Less, "<", Qt::Key_Greater, ">", 0},
};

constexpr LayoutKey kFrench[] = {
    {"TLDE", 49, Qt::Key_twosuperior, "²", Qt::Key_AsciiTilde, "~", 33},
    {"AE01", 10, Qt::Key_Ampersand, "&", Qt::Key_1, "1", 81},
    {"AE02", 11, Qt::Key_Eacute, "é", Qt::Key_2, "2", 80},
    {"AE04", 13, Qt::Key_Apostrophe, "'", Qt::Key_4, "4", 68},
    {"AE07", 16, Qt::Key_Egrave, "è", Qt::Key_7, "7", 76},
    {"AE09", 18, Qt::Key_Ccedilla, "ç", Qt::Key_9, "9", 31},
    {"AE11", 20, Qt::Key_ParenRight, ")", Qt::Key_degree, "°", 82},
    {"AE12", 21, Qt::Key_Equal, "=", Qt::Key_Plus, "+", 70},
    {"AD01", 24, Qt::Key_A, "a", Qt::Key_A, "A", 57},
    {"AD02", 25, Qt::Key_Z, "z", Qt::Key_Z, "Z", 36},
    {"AD11", 34, Qt::Key_Dead_Circumflex, "", Qt::Key_Dead_Diaeresis, "", 60},
    {"AD12", 35, Qt::Key_Dollar, "$", Qt::Key_sterling, "£", 61},
    {"AC01", 38, Qt::Key_Q, "q", Qt::Key_Q, "Q", 55},
    {"AC10", 47, Qt::Key_M, "m", Qt::Key_M, "M", 56},
    {"AC11", 48, Qt::Key_Ugrave, "ù", Qt::Key_Percent, "%", 41},
    {"BKSL", 51, Qt::Key_Asterisk, "*", Qt::Key_mu, "µ", 54},
    // The US layout has its M here.
    {"AB07", 58, Qt::Key_Comma, ",", Qt::Key_Question, "?", 56},
    {"AB08", 59, Qt::Key_Semicolon, ";", Qt::Key_Period, ".", 42},
    {"AB10", 61, Qt::Key_Exclam, "!", Qt::Key_section, "§", 46},
};

HostMessage played(std::uint8_t status, std::uint8_t note, std::uint8_t velocity)
{
    return {HostCmdPlayEvent, 1,
            static_cast<platform::LPARAM>(PackedMidiMessage::pack(status, note, velocity).value())};
}

// Presses and releases the key as the platform delivers it.
void type(DrumWindow& form, std::uint32_t keycode, int key, const char* text,
          Qt::KeyboardModifiers modifiers)
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers, keycode, 0, 0, QString::fromUtf8(text));
        QCoreApplication::sendEvent(&form, &event);
    }
}

std::vector<HostMessage> struck(std::uint8_t note, std::uint8_t velocity)
{
    if (note == 0)
        return {};
    return {played(0x99, note, velocity), played(0x89, note, 64)};
}

void expectShiftChangesOnlyTheVelocity(const char* layout, const auto& keys)
{
    FormRig rig;
    rig.keyPlacesKnown = true;
    ASSERT_TRUE(rig.Create());
    for (const LayoutKey& key : keys) {
        const std::string where = std::string(layout) + " " + key.Place;
        rig.host().messages.clear();
        type(rig.Form(), key.Keycode, key.Key, key.Text, Qt::NoModifier);
        EXPECT_EQ(rig.host().Only(HostCmdPlayEvent), struck(key.Note, 90)) << where;
        rig.host().messages.clear();
        type(rig.Form(), key.Keycode, key.ShiftedKey, key.ShiftedText, Qt::ShiftModifier);
        EXPECT_EQ(rig.host().Only(HostCmdPlayEvent), struck(key.Note, 127)) << where << " shifted";
    }
}

TEST(KeyboardLayouts, GermanKeysPlayByTheirPlaceAndShiftOnlyRaisesTheVelocity)
{
    expectShiftChangesOnlyTheVelocity("de", kGerman);
}

TEST(KeyboardLayouts, FrenchKeysPlayByTheirPlaceAndShiftOnlyRaisesTheVelocity)
{
    expectShiftChangesOnlyTheVelocity("fr", kFrench);
}

TEST(KeyboardLayouts, WithoutPlacesKeysAreReadAsOnTheUsLayout)
{
    FormRig rig; // no places: the native scan codes mean nothing here
    ASSERT_TRUE(rig.Create());
    const struct {
        int Key;
        const char* Text;
        Qt::KeyboardModifiers Modifiers;
        std::vector<HostMessage> Played;
    } strokes[] = {
        {Qt::Key_Question, "?", Qt::ShiftModifier, struck(46, 127)},
        {Qt::Key_Slash, "/", Qt::NoModifier, struck(46, 90)},
        {Qt::Key_unknown, "z", Qt::NoModifier, struck(36, 90)},
        {Qt::Key_Eacute, "é", Qt::NoModifier, {}},
        {Qt::Key_Clear, "", Qt::KeypadModifier, struck(73, 127)},
    };
    for (const auto& stroke : strokes) {
        rig.host().messages.clear();
        type(rig.Form(), 30, stroke.Key, stroke.Text, stroke.Modifiers);
        EXPECT_EQ(rig.host().Only(HostCmdPlayEvent), stroke.Played) << stroke.Text;
    }
}

} // namespace
} // namespace velmar::drums::test
