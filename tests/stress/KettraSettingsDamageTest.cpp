// Kettra's settings file cut at every length and with every single bit flipped, loaded from
// a real file: each one loads, the bytes it lacks keep their defaults, every value is
// brought into range and the random spans are derived afresh (docs/decisions/0003).

#include "drums/core/KettraSettingsFile.h"
#include "tests/stress/SettingsDamage.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velmar::drums {
namespace {

using namespace velmar::test;

constexpr FieldRule kLoVelocity = {
    .offset = 0, .low = 1, .belowLow = 1, .high = 127, .aboveHigh = 127};
constexpr FieldRule kHiVelocity = {
    .offset = 1, .low = 1, .belowLow = 1, .high = 127, .aboveHigh = 127};
constexpr FieldRule kRandomRange = Clamped(4, 2, 0, 100);

std::vector<FieldRule> kettraRules()
{
    constexpr std::int16_t kMax16 = INT16_MAX;
    return {
        kLoVelocity,
        kHiVelocity,
        Flag(2),           // RandomizeVelocity
        Kept(3, 1, false), // reserved
        kRandomRange,
        Kept(6, 2, true), // the four random spans and bases: derived afresh below
        Kept(8, 2, true),
        Kept(10, 2, true),
        Kept(12, 2, true),
        Kept(14, 2, true), // HintFlags
        Kept(16, 2, true), // reserved
        Flag(18),          // ShowAllInstruments
        Flag(19),          // AlwaysOnTop
        Kept(20, 2, true), // WindowSize
        {.offset = 22, .width = 2, .isSigned = true, .low = 1, .belowLow = 600, .high = kMax16},
        {.offset = 24, .width = 2, .isSigned = true, .low = 1, .belowLow = 432, .high = kMax16},
        Kept(26, 2, true), // WindowLeft
        Kept(28, 2, true), // WindowTop
        {.offset = 30,
         .width = 2,
         .isSigned = true,
         .low = 0,
         .belowLow = 2,
         .high = 1,
         .aboveHigh = 2},  // TransportKeys: anything but "On" and "Ctrl Key" is "Off"
        Flag(32, 2, true), // QwertyOnDrums
        Clamped(34, 2, 0, 10),
        Clamped(36, 2, 1, 16),
        Clamped(38, 2, 1, 16),
    };
}

// span = range × velocity div 100, base = velocity − span; a base below 1 becomes 1 and
// the span gives up one.
void deriveSpan(ByteImage& image, std::int64_t velocity, std::size_t spanOffset)
{
    const std::int64_t range = ReadField(image, kRandomRange);
    std::int64_t span = range * velocity / 100;
    std::int64_t base = velocity - span;
    if (base < 1) {
        base = 1;
        --span;
    }
    WriteField(image, Kept(spanOffset, 2, true), span);
    WriteField(image, Kept(spanOffset + 2, 2, true), base);
}

ByteImage expectedKettraRecord(std::span<const std::byte> file)
{
    ByteImage image = ExpectedRecord(file, KettraSettings{}.ToBytes(), kettraRules());
    deriveSpan(image, ReadField(image, kHiVelocity), 6);
    deriveSpan(image, ReadField(image, kLoVelocity), 10);
    return image;
}

// A record the program could have written, with no field at its default.
KettraSettings writtenRecord()
{
    KettraSettings settings;
    settings.LoVelocity = 64;
    settings.HiVelocity = 120;
    settings.RandomizeVelocity = 1;
    settings.ReservedAlignment = 0x3C;
    settings.RandomRange = 35;
    settings.HintFlags = 6;
    settings.Reserved = 1234;
    settings.ShowAllInstruments = 0;
    settings.AlwaysOnTop = 0;
    settings.WindowSize = 0;
    settings.ClientWidth = 450;
    settings.ClientHeight = 333;
    settings.WindowLeft = -40;
    settings.WindowTop = 250;
    settings.TransportKeys = kTransportKeysOff;
    settings.QwertyOnDrums = 1;
    settings.DurationBoost = 7;
    settings.DrumChannel = 3;
    settings.DrumPort = 12;
    DeriveRandomSpans(settings);
    return settings;
}

void expectEachLoadsAsDocumented(const std::vector<DamagedFile>& files)
{
    ASSERT_TRUE(CoversEveryByteOnce(kettraRules(), KettraSettings::kSize));
    ScopedSession session;
    const KettraSettingsFile file((session.root() / "$Kettra.cfg").string());
    std::size_t failures = 0;
    for (const DamagedFile& damaged : files) {
        WriteRawFile(file.path(), damaged.bytes);
        const KettraSettings loaded = file.Read();
        const KettraSettings::Bytes actual = loaded.ToBytes();
        const std::string difference = FirstDifference(actual, expectedKettraRecord(damaged.bytes));
        // What the program saves from it loads back the same.
        const bool stable = BringIntoRange(KettraSettings::FromBytes(actual)) == loaded;
        if ((!difference.empty() || !stable) && ++failures <= 10)
            ADD_FAILURE() << damaged.what << ": " << difference
                          << (stable ? "" : "; not stable when saved and loaded again");
    }
    EXPECT_EQ(failures, 0U) << "of " << files.size() << " files";
}

TEST(KettraSettingsDamage, WrittenRecordIsInRangeAndComesBackWhole)
{
    const KettraSettings::Bytes written = writtenRecord().ToBytes();
    EXPECT_EQ(FirstDifference(written, expectedKettraRecord(written)), "");
}

TEST(KettraSettingsDamage, FilesCutAtEveryLength)
{
    const KettraSettings::Bytes written = writtenRecord().ToBytes();
    KettraSettings::Bytes allOnes;
    allOnes.fill(std::byte{0xFF});
    std::vector<DamagedFile> files = CutFiles(written, "a written record");
    for (DamagedFile& file : CutFiles(allOnes, "all bits set"))
        files.push_back(std::move(file));
    EXPECT_EQ(files.size(), 2U * (KettraSettings::kSize + 2));
    expectEachLoadsAsDocumented(files);
}

TEST(KettraSettingsDamage, FilesWithEverySingleBitFlipped)
{
    const std::vector<DamagedFile> files = BitFlippedFiles(writtenRecord().ToBytes());
    EXPECT_EQ(files.size(), KettraSettings::kSize * 8U);
    expectEachLoadsAsDocumented(files);
}

} // namespace
} // namespace velmar::drums
