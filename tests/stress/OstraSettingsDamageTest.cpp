// Ostra's settings file cut at every length and with every single bit flipped, loaded from
// a real file: each one loads, the bytes it lacks keep their defaults, and every value is
// brought into range as docs/decisions/0004 says.

#include "monitor/core/OstraSettingsFile.h"
#include "tests/stress/SettingsDamage.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velmar::monitor {
namespace {

using namespace velmar::test;

std::vector<FieldRule> ostraRules()
{
    constexpr std::int16_t kMax16 = INT16_MAX;
    std::vector<FieldRule> rules{
        Kept(0, 2, true), // WindowLeft
        Kept(2, 2, true), // WindowTop
        {.offset = 4, .width = 2, .isSigned = true, .low = 1, .belowLow = 598, .high = kMax16},
        {.offset = 6, .width = 2, .isSigned = true, .low = 1, .belowLow = 453, .high = kMax16},
        {.offset = 8,
         .width = 2,
         .isSigned = true,
         .low = 1,
         .belowLow = 1000,
         .high = 32000,
         .aboveHigh = 32000},
        {.offset = 10,
         .width = 2,
         .isSigned = true,
         .low = 0,
         .belowLow = 1,
         .high = 2,
         .aboveHigh = 1},
        {.offset = 12, .width = 1, .low = 0, .high = 1, .aboveHigh = 0}, // FilterMode
        Kept(182, 1, false),
        Kept(183, 1, false),
        {.offset = 184,
         .width = 4,
         .isSigned = true,
         .low = 1,
         .belowLow = 10000,
         .high = 1'000'000,
         .aboveHigh = 1'000'000},
        Kept(195, 1, false),
    };
    // Both source flags and the kind, channel and controller tables; the display options.
    for (std::size_t offset = 13; offset < 182; ++offset)
        rules.push_back(Flag(offset));
    for (std::size_t offset = 188; offset < 195; ++offset)
        rules.push_back(Flag(offset));
    for (std::size_t column = 0; column < 8; ++column)
        rules.push_back(Clamped(196 + 4 * column, 4, 0, 32767));
    return rules;
}

// A record the program could have written, with no field at its default.
OstraSettings writtenRecord()
{
    OstraSettings settings;
    settings.WindowLeft = -120;
    settings.WindowTop = 777;
    settings.WindowWidth = 640;
    settings.WindowHeight = 300;
    settings.DisplayEventCount = 20000;
    settings.DisplayFullMode = kDisplayFullWrapClearCount;
    settings.FilterMode = kFilterAllExcept;
    settings.ShowComputerInput = 0;
    for (std::size_t i = 0; i < settings.EventTypeFilter.size(); ++i)
        settings.EventTypeFilter[i] = i % 2 == 0 ? 0 : 1;
    for (std::size_t i = 0; i < settings.ChannelFilter.size(); ++i)
        settings.ChannelFilter[i] = i % 3 == 0 ? 0 : 1;
    for (std::size_t i = 0; i < settings.ControllerFilter.size(); ++i)
        settings.ControllerFilter[i] = i % 5 == 0 ? 0 : 1;
    settings.Unused182 = {0x12, 0xEF};
    settings.InactivityStopMs = 45000;
    settings.AlwaysOnTop = 0;
    settings.SaveTextToFile = 1;
    settings.DecimalChannels = 0;
    settings.DecimalEventTypes = 1;
    settings.DecimalData = 0;
    settings.OneBasedPrograms = 1;
    settings.OneBasedChannels = 0;
    settings.Unused195 = 0x9C;
    settings.ColumnWidths = {40, 0, 120, 32767, 7, 300, 1, 90};
    return settings;
}

void expectEachLoadsAsDocumented(const std::vector<DamagedFile>& files)
{
    const std::vector<FieldRule> rules = ostraRules();
    ASSERT_TRUE(CoversEveryByteOnce(rules, OstraSettings::kSize));
    ScopedSession session;
    const OstraSettingsFile file((session.root() / "$OSTRA.cfg").string());
    const OstraSettings::Bytes defaults = OstraSettings{}.ToBytes();
    std::size_t failures = 0;
    for (const DamagedFile& damaged : files) {
        WriteRawFile(file.ConfigFilePath(), damaged.bytes);
        const OstraSettings loaded = file.LoadSettings();
        const OstraSettings::Bytes actual = loaded.ToBytes();
        const std::string difference =
            FirstDifference(actual, ExpectedRecord(damaged.bytes, defaults, rules));
        // What the program saves from it loads back the same.
        const bool stable = BringIntoRange(OstraSettings::FromBytes(actual)) == loaded;
        if ((!difference.empty() || !stable) && ++failures <= 10)
            ADD_FAILURE() << damaged.what << ": " << difference
                          << (stable ? "" : "; not stable when saved and loaded again");
    }
    EXPECT_EQ(failures, 0U) << "of " << files.size() << " files";
}

TEST(OstraSettingsDamage, WrittenRecordIsInRangeAndComesBackWhole)
{
    const OstraSettings::Bytes written = writtenRecord().ToBytes();
    EXPECT_EQ(
        FirstDifference(written, ExpectedRecord(written, OstraSettings{}.ToBytes(), ostraRules())),
        "");
}

TEST(OstraSettingsDamage, FilesCutAtEveryLength)
{
    const OstraSettings::Bytes written = writtenRecord().ToBytes();
    OstraSettings::Bytes allOnes;
    allOnes.fill(std::byte{0xFF});
    std::vector<DamagedFile> files = CutFiles(written, "a written record");
    for (DamagedFile& file : CutFiles(allOnes, "all bits set"))
        files.push_back(std::move(file));
    EXPECT_EQ(files.size(), 2U * (OstraSettings::kSize + 2));
    expectEachLoadsAsDocumented(files);
}

TEST(OstraSettingsDamage, FilesWithEverySingleBitFlipped)
{
    const std::vector<DamagedFile> files = BitFlippedFiles(writtenRecord().ToBytes());
    EXPECT_EQ(files.size(), OstraSettings::kSize * 8U);
    expectEachLoadsAsDocumented(files);
}

} // namespace
} // namespace velmar::monitor
