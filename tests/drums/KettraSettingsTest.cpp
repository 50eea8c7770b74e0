#include "drums/core/KettraSettings.h"

#include "drums/core/KettraSettingsFile.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace velmar::drums {
namespace {

std::vector<std::byte> bytesOf(std::initializer_list<int> values)
{
    std::vector<std::byte> bytes;
    for (const int value : values)
        bytes.push_back(static_cast<std::byte>(value));
    return bytes;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

TEST(KettraSettings, DefaultsAreTheFortyByteFileImage)
{
    const std::vector<std::byte> expected = bytesOf({
        90,   127,  0,    0,            // velocities, randomize, reserved
        20,   0,    25,   0,    102, 0, // range, high span and base
        18,   0,    72,   0,    1,   0, // low span and base, hint flags
        0xF2, 0x0D, 1,    1,            // reserved 3570, show all, on top
        1,    0,    0x58, 0x02,         // window size, client width 600
        0xB0, 0x01, 8,    0,    8,   0, // client height 432, left, top
        1,    0,    0,    0,    1,   0, // transport keys, QWERTY, boost
        10,   0,    1,    0,            // channel, port
    });
    const KettraSettings::Bytes bytes = KettraSettings{}.ToBytes();
    EXPECT_EQ(std::vector<std::byte>(bytes.begin(), bytes.end()), expected);
}

TEST(KettraSettings, EveryFieldHasItsOwnBytes)
{
    KettraSettings settings;
    settings.LoVelocity = 1;
    settings.HiVelocity = 2;
    settings.RandomizeVelocity = 3;
    settings.ReservedAlignment = 4;
    settings.RandomRange = 0x0506;
    settings.HiRandomSpan = 0x0708;
    settings.HiRandomBase = 0x090A;
    settings.LoRandomSpan = 0x0B0C;
    settings.LoRandomBase = 0x0D0E;
    settings.HintFlags = 0x0F10;
    settings.Reserved = 0x1112;
    settings.ShowAllInstruments = 0x13;
    settings.AlwaysOnTop = 0x14;
    settings.WindowSize = 0x1516;
    settings.ClientWidth = 0x1718;
    settings.ClientHeight = 0x191A;
    settings.WindowLeft = -50;
    settings.WindowTop = 0x1D1E;
    settings.TransportKeys = 0x1F20;
    settings.QwertyOnDrums = 0x2122;
    settings.DurationBoost = 0x2324;
    settings.DrumChannel = 0x2526;
    settings.DrumPort = 0x2728;
    const KettraSettings::Bytes bytes = settings.ToBytes();
    EXPECT_EQ(bytes[4], std::byte{0x06});
    EXPECT_EQ(bytes[5], std::byte{0x05});
    EXPECT_EQ(bytes[26], std::byte{0xCE}); // -50, little-endian two's complement
    EXPECT_EQ(bytes[27], std::byte{0xFF});
    EXPECT_EQ(bytes[39], std::byte{0x27});
    EXPECT_EQ(KettraSettings::FromBytes(bytes), settings);
}

TEST(KettraSettings, DerivedRandomSpans)
{
    struct Case {
        int range;
        int velocity;
        int span;
        int base;
    };
    const std::vector<Case> cases = {
        {100, 127, 126, 1}, // base 0 becomes 1 and the span gives up one value
        {0, 90, 0, 90},     {20, 127, 25, 102}, {20, 90, 18, 72}, {100, 1, 0, 1}, {50, 3, 1, 2},
    };
    for (const Case& c : cases) {
        const RandomSpan span = DeriveRandomSpan(c.range, c.velocity);
        EXPECT_EQ(span.Span, c.span) << c.range << "% of " << c.velocity;
        EXPECT_EQ(span.Base, c.base) << c.range << "% of " << c.velocity;
    }
}

TEST(KettraSettings, BringIntoRangeRepairsWhatWouldBreakThePlugIn)
{
    KettraSettings damaged;
    damaged.LoVelocity = 0;
    damaged.HiVelocity = 200;
    damaged.RandomizeVelocity = 7;
    damaged.RandomRange = -40;
    damaged.HiRandomSpan = 3000;
    damaged.LoRandomBase = -9;
    damaged.ShowAllInstruments = 2;
    damaged.AlwaysOnTop = 255;
    damaged.ClientWidth = -600;
    damaged.ClientHeight = 0;
    damaged.TransportKeys = -1;
    damaged.QwertyOnDrums = 9;
    damaged.DurationBoost = -5;
    damaged.DrumChannel = 0;
    damaged.DrumPort = 300;
    damaged.HintFlags = 0x7FFF;
    damaged.WindowLeft = -50;

    const KettraSettings repaired = BringIntoRange(damaged);
    EXPECT_EQ(repaired.LoVelocity, 1);
    EXPECT_EQ(repaired.HiVelocity, 127);
    EXPECT_EQ(repaired.RandomizeVelocity, 1);
    EXPECT_EQ(repaired.RandomRange, 0);
    EXPECT_EQ(repaired.HiRandomSpan, 0);
    EXPECT_EQ(repaired.HiRandomBase, 127);
    EXPECT_EQ(repaired.LoRandomSpan, 0);
    EXPECT_EQ(repaired.LoRandomBase, 1);
    EXPECT_EQ(repaired.ShowAllInstruments, 1);
    EXPECT_EQ(repaired.AlwaysOnTop, 1);
    EXPECT_EQ(repaired.ClientWidth, 600);
    EXPECT_EQ(repaired.ClientHeight, 432);
    EXPECT_EQ(repaired.TransportKeys, kTransportKeysOff);
    EXPECT_EQ(repaired.QwertyOnDrums, 1);
    EXPECT_EQ(repaired.DurationBoost, 0);
    EXPECT_EQ(repaired.DrumChannel, 1);
    EXPECT_EQ(repaired.DrumPort, 16);
    // Harmless values are kept: unknown hint bits, a position the window clamps itself.
    EXPECT_EQ(repaired.HintFlags, 0x7FFF);
    EXPECT_EQ(repaired.WindowLeft, -50);

    EXPECT_EQ(BringIntoRange(KettraSettings{}), KettraSettings{});
}

TEST(KettraSettings, AnyBytesGiveARecordThePlugInCanUse)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 48);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::byte> bytes(length(random));
        for (std::byte& b : bytes)
            b = static_cast<std::byte>(byte(random));
        const KettraSettings s = BringIntoRange(KettraSettings::FromBytes(bytes));
        ASSERT_GE(s.LoVelocity, 1);
        ASSERT_LE(s.HiVelocity, 127);
        ASSERT_GE(s.HiVelocity, 1);
        ASSERT_LE(s.LoVelocity, 127);
        for (const auto& [span, base] : {std::pair(s.HiRandomSpan, s.HiRandomBase),
                                         std::pair(s.LoRandomSpan, s.LoRandomBase)}) {
            ASSERT_GE(span, 0);
            ASSERT_GE(base, 1);
            ASSERT_LE(base + std::max(span - 1, 0), 127);
        }
        ASSERT_TRUE(s.RandomRange >= 0 && s.RandomRange <= 100);
        ASSERT_TRUE(s.DurationBoost >= 0 && s.DurationBoost <= 10);
        ASSERT_TRUE(s.DrumChannel >= 1 && s.DrumChannel <= 16);
        ASSERT_TRUE(s.DrumPort >= 1 && s.DrumPort <= 16);
        ASSERT_TRUE(s.TransportKeys >= 0 && s.TransportKeys <= 2);
        ASSERT_LE(s.ShowAllInstruments, 1);
        ASSERT_TRUE(s.ClientWidth >= 1 && s.ClientHeight >= 1);
    }
}

class KettraSettingsFileTest : public ::testing::Test {
protected:
    test::ScopedSession session;
    std::filesystem::path exeDir = session.root() / "exe";
    std::filesystem::path windowsDir = session.root() / "config";

    void SetUp() override
    {
        std::filesystem::create_directories(exeDir);
        std::filesystem::create_directories(windowsDir);
    }
    [[nodiscard]] KettraSettingsFile locate() const
    {
        return KettraSettingsFile::Locate(exeDir.string(), windowsDir.string());
    }
};

TEST_F(KettraSettingsFileTest, LivesBesideTheProgramOrElseInTheConfigurationDirectory)
{
    EXPECT_EQ(locate().path(), (exeDir / "$Kettra.cfg").string());
    // A directory that cannot take the file (here: one that does not exist).
    exeDir = session.root() / "missing";
    EXPECT_EQ(locate().path(), (windowsDir / "$Kettra.cfg").string());
}

TEST_F(KettraSettingsFileTest, WriteThenReadGivesTheRecordBack)
{
    KettraSettings settings;
    settings.DrumChannel = 3;
    settings.WindowLeft = -20;
    settings.QwertyOnDrums = 1;
    ASSERT_TRUE(locate().Write(settings));
    EXPECT_EQ(std::filesystem::file_size(locate().path()), 40U);
    EXPECT_EQ(locate().Read(), settings);
}

TEST_F(KettraSettingsFileTest, FileOfAnyLength)
{
    // Only velocities, randomize flag and range come from a 10-byte file; the random
    // spans follow from them, whatever bytes 6 to 9 held.
    writeFile(locate().path(), bytesOf({60, 100, 1, 0, 50, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    KettraSettings expected;
    expected.LoVelocity = 60;
    expected.HiVelocity = 100;
    expected.RandomizeVelocity = 1;
    expected.RandomRange = 50;
    DeriveRandomSpans(expected);
    EXPECT_EQ(locate().Read(), expected);

    writeFile(locate().path(), {});
    EXPECT_EQ(locate().Read(), KettraSettings{});

    KettraSettings written;
    written.HintFlags = 7;
    const auto image = written.ToBytes();
    std::vector<std::byte> longer(image.begin(), image.end());
    longer.resize(100, std::byte{0x55});
    writeFile(locate().path(), longer);
    EXPECT_EQ(locate().Read(), written);
}

TEST_F(KettraSettingsFileTest, NoUsableFileMeansDefaultsAndAFailedWriteIsReported)
{
    EXPECT_EQ(locate().Read(), KettraSettings{}); // no file
    std::filesystem::create_directory(locate().path());
    EXPECT_EQ(locate().Read(), KettraSettings{}); // a directory in its place
    EXPECT_FALSE(locate().Write(KettraSettings{}));
    EXPECT_FALSE(KettraSettingsFile((session.root() / "gone" / "x.cfg").string()).Write({}));
}

} // namespace
} // namespace velmar::drums
