#include "drums/core/SettingsDialogFields.h"

#include "runtime/language/Language.h"
#include "tests/drums/VariedSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace velmar::drums {
namespace {

using test::VariedSettings;

TEST(SettingsDialogFields, FormShowLoadsEveryControl)
{
    SettingsDialogFields expected;
    expected.HiVelocity = 110;
    expected.LoVelocity = 40;
    expected.Randomize = true;
    expected.RandomRange = 35;
    expected.ShowNoteNumber = true;
    expected.ShowComputerKey = true;
    expected.TransportKeys = 2;
    expected.DurationBoost = 7;
    expected.DrumPort = 4;
    expected.DrumChannel = 2;
    EXPECT_EQ(SettingsDialogFields::FormShow(VariedSettings()), expected);
}

TEST(SettingsDialogFields, OkWithoutChangesKeepsTheRecord)
{
    for (const KettraSettings& original : {KettraSettings{}, VariedSettings()}) {
        KettraSettings settings = original;
        SettingsDialogFields::FormShow(settings).OKButtonClick(settings);
        EXPECT_EQ(settings, original);
    }
}

TEST(SettingsDialogFields, OkStoresTheControlsInRange)
{
    struct Case {
        const char* what;
        std::function<void(SettingsDialogFields&)> edit;
        std::function<void(KettraSettings&)> expect;
    };
    const std::vector<Case> cases = {
        {"range 100 %", [](SettingsDialogFields& f) { f.RandomRange = 100; },
         [](KettraSettings& s) {
             s.RandomRange = 100;
             s.HiRandomSpan = 126;
             s.HiRandomBase = 1;
             s.LoRandomSpan = 89;
             s.LoRandomBase = 1;
         }},
        {"range 0 %", [](SettingsDialogFields& f) { f.RandomRange = 0; },
         [](KettraSettings& s) {
             s.RandomRange = 0;
             s.HiRandomSpan = 0;
             s.HiRandomBase = 127;
             s.LoRandomSpan = 0;
             s.LoRandomBase = 90;
         }},
        {"range beyond its ends", [](SettingsDialogFields& f) { f.RandomRange = 250; },
         [](KettraSettings& s) {
             s.RandomRange = 100;
             DeriveRandomSpans(s);
         }},
        {"velocities beyond their ends",
         [](SettingsDialogFields& f) {
             f.HiVelocity = 128;
             f.LoVelocity = 0;
         },
         [](KettraSettings& s) {
             s.HiVelocity = 127;
             s.LoVelocity = 1;
             DeriveRandomSpans(s);
         }},
        {"QWERTY box selects Show All",
         [](SettingsDialogFields& f) {
             f.ShowAll = false;
             f.DisplayDrumKeys = true;
         },
         [](KettraSettings& s) {
             s.QwertyOnDrums = 1;
             s.ShowAllInstruments = 1;
         }},
        {"Show Used", [](SettingsDialogFields& f) { f.ShowAll = false; },
         [](KettraSettings& s) {
             s.ShowAllInstruments = 0;
         }},
        {"hint boxes",
         [](SettingsDialogFields& f) {
             f.ShowNoteName = false;
             f.ShowNoteNumber = true;
             f.ShowComputerKey = true;
         },
         [](KettraSettings& s) {
             s.HintFlags = kHintNoteNumber | kHintComputerKey;
         }},
        {"spins beyond their ends",
         [](SettingsDialogFields& f) {
             f.DurationBoost = 11;
             f.DrumPort = 0;
             f.DrumChannel = 17;
             f.TransportKeys = -1;
         },
         [](KettraSettings& s) {
             s.DurationBoost = 10;
             s.DrumPort = 1;
             s.DrumChannel = 16;
             s.TransportKeys = kTransportKeysOff;
         }},
    };
    for (const Case& c : cases) {
        KettraSettings settings;
        SettingsDialogFields fields = SettingsDialogFields::FormShow(settings);
        c.edit(fields);
        fields.OKButtonClick(settings);
        KettraSettings expected;
        c.expect(expected);
        EXPECT_EQ(settings, expected) << c.what;
    }
}

TEST(SettingsDialogFields, ColourAdviceByColourCount)
{
    const QString sixteen = LoadNumStr(3781) + LoadNumStr(3782);
    const QString twoFiftySix = LoadNumStr(3783) + LoadNumStr(3782);
    const QString high = LoadNumStr(3784);
    const std::vector<std::pair<int, QString>> cases = {
        {2, sixteen}, {16, sixteen}, {17, twoFiftySix}, {256, twoFiftySix},
        {257, high},  {65536, high}, {30000, high},
    };
    for (const auto& [colours, text] : cases)
        EXPECT_EQ(NumColorsText(colours), text) << colours;
    EXPECT_TRUE(sixteen.startsWith(QStringLiteral("Suggestion: You are in 16 color")));
}

} // namespace
} // namespace velmar::drums
