#include "monitor/core/OstraSettingsFile.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace velmar::monitor {
namespace {

using Image = std::vector<std::uint8_t>;

Image imageOf(const OstraSettings& settings)
{
    const OstraSettings::Bytes bytes = settings.ToBytes();
    Image image;
    for (const std::byte b : bytes)
        image.push_back(std::to_integer<std::uint8_t>(b));
    return image;
}

TEST(OstraSettings, DefaultsByteForByte)
{
    Image expected = {0x0A, 0x00, 0x0A, 0x00, 0x56, 0x02, 0xC5, 0x01, // 10, 10, 598, 453
                      0xE8, 0x03, 0x01, 0x00,                         // 1000 rows, wrap
                      0x00, 0x01, 0x01};                              // "Only...", both sources
    expected.resize(182, 0x01); // kinds, channels, controllers
    expected[30] = 0x00;        // but the timing clock
    expected.insert(expected.end(), {0x00, 0x00, 0x10, 0x27, 0x00, 0x00}); // gap, 10000 ms
    expected.insert(expected.end(), {0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00});
    expected.resize(OstraSettings::kSize, 0x00); // column widths
    EXPECT_EQ(imageOf(OstraSettings{}), expected);
}

TEST(OstraSettings, EveryFieldAtItsOffset)
{
    OstraSettings settings;
    settings.WindowLeft = -2;
    settings.DisplayFullMode = kDisplayFullWrapClearCount;
    settings.ShowHostOutput = 0;
    settings.EventTypeFilter[22] = 0;
    settings.ChannelFilter[0] = 0;
    settings.ControllerFilter[127] = 0;
    settings.Unused182 = {0xAB, 0xCD};
    settings.InactivityStopMs = 0x01020304;
    settings.OneBasedChannels = 0;
    settings.Unused195 = 0xEF;
    settings.ColumnWidths[0] = 37;
    settings.ColumnWidths[7] = 0x11223344;
    const Image image = imageOf(settings);
    const std::vector<std::pair<std::size_t, Image>> expected = {
        {0, {0xFE, 0xFF}},    {10, {0x02, 0x00}},
        {14, {0x00}},         {37, {0x00}},
        {38, {0x00}},         {181, {0x00}},
        {182, {0xAB, 0xCD}},  {184, {0x04, 0x03, 0x02, 0x01}},
        {194, {0x00}},        {195, {0xEF}},
        {196, {37, 0, 0, 0}}, {224, {0x44, 0x33, 0x22, 0x11}},
    };
    for (const auto& [offset, bytes] : expected)
        EXPECT_EQ(Image(image.begin() + static_cast<std::ptrdiff_t>(offset),
                        image.begin() + static_cast<std::ptrdiff_t>(offset + bytes.size())),
                  bytes)
            << "offset " << offset;
    EXPECT_EQ(OstraSettings::FromBytes(settings.ToBytes()), settings);
}

TEST(OstraSettings, BringIntoRange)
{
    OstraSettings damaged;
    damaged.DisplayEventCount = 0;
    damaged.DisplayFullMode = 3;
    damaged.FilterMode = 7;
    damaged.ShowHostOutput = 9;
    damaged.EventTypeFilter[15] = 2;
    damaged.ChannelFilter[3] = 255;
    damaged.ControllerFilter[64] = 4;
    damaged.InactivityStopMs = 0;
    damaged.DecimalEventTypes = 3;
    damaged.WindowWidth = 0;
    damaged.WindowHeight = -3;
    damaged.ColumnWidths = {-1, 1 << 30, 0, 0, 0, 0, 0, 0};
    OstraSettings repaired; // the defaults, where a value has no nearer valid one
    repaired.EventTypeFilter[15] = 1;
    repaired.DecimalEventTypes = 1;
    repaired.ColumnWidths[1] = kMaxColumnWidth;
    EXPECT_EQ(BringIntoRange(damaged), repaired);

    const auto rowsFrom = [](std::int16_t rows) {
        OstraSettings settings;
        settings.DisplayEventCount = rows;
        return BringIntoRange(settings).DisplayEventCount;
    };
    EXPECT_EQ(rowsFrom(-5), 1000);
    EXPECT_EQ(rowsFrom(5), 5) << "small grids the program could have written stay";
    EXPECT_EQ(rowsFrom(32767), 32000);
    const auto quietFrom = [](std::int32_t ms) {
        OstraSettings settings;
        settings.InactivityStopMs = ms;
        return BringIntoRange(settings).InactivityStopMs;
    };
    EXPECT_EQ(quietFrom(-1), 10000);
    EXPECT_EQ(quietFrom(500), 500);
    EXPECT_EQ(quietFrom(2'000'000'000), 1'000'000);
    OstraSettings negativeMode;
    negativeMode.DisplayFullMode = -1;
    EXPECT_EQ(BringIntoRange(negativeMode).DisplayFullMode, kDisplayFullWrap);

    OstraSettings written; // as the dialogs leave it
    written.WindowLeft = -40;
    written.DisplayEventCount = 32000;
    written.DisplayFullMode = kDisplayFullStop;
    written.FilterMode = kFilterAllExcept;
    written.ChannelFilter.fill(0);
    written.InactivityStopMs = 60000;
    written.Unused195 = 0x7F;
    written.ColumnWidths = {37, 55, 39, 50, 122, 32, 168, 168};
    EXPECT_EQ(BringIntoRange(written), written);
}

class OstraSettingsFileTest : public ::testing::Test {
protected:
    void write(const std::string& path, const Image& bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    velmar::test::ScopedSession session;
    std::string programDir = (session.root() / "program").string() + "/";
    std::string userDir = session.configDir().string() + "/";
};

TEST_F(OstraSettingsFileTest, LivesBesideTheProgramWhenItsDirectoryCanBeWritten)
{
    std::filesystem::create_directory(programDir);
    EXPECT_EQ(OstraSettingsFile::Locate(programDir, userDir).ConfigFilePath(),
              programDir + "$OSTRA.cfg");
    EXPECT_EQ(OstraSettingsFile::Locate("/proc/self/", userDir).ConfigFilePath(),
              userDir + "$OSTRA.cfg");
}

TEST_F(OstraSettingsFileTest, MissingFileGivesTheDefaults)
{
    EXPECT_EQ(OstraSettingsFile(userDir + "$OSTRA.cfg").LoadSettings(), OstraSettings{});
}

TEST_F(OstraSettingsFileTest, AShortFileReplacesOnlyItsBytes)
{
    OstraSettings fromFile;
    fromFile.WindowLeft = 300;
    fromFile.DisplayEventCount = 50;
    fromFile.DisplayFullMode = kDisplayFullStop;
    fromFile.ControllerFilter.fill(0); // bytes 54 to 181: the file ends at 99
    fromFile.InactivityStopMs = 20000;
    Image bytes = imageOf(fromFile);
    bytes.resize(100);
    const std::string path = userDir + "$OSTRA.cfg";
    write(path, bytes);

    OstraSettings expected;
    expected.WindowLeft = 300;
    expected.DisplayEventCount = 50;
    expected.DisplayFullMode = kDisplayFullStop;
    std::fill_n(expected.ControllerFilter.begin(), 100 - 54, 0);
    EXPECT_EQ(OstraSettingsFile(path).LoadSettings(), expected);
}

TEST_F(OstraSettingsFileTest, ALongOrDamagedFileIsReadUpTo228BytesAndBroughtIntoRange)
{
    OstraSettings damaged;
    damaged.DisplayEventCount = 0;
    damaged.Unused182 = {1, 2};
    Image bytes = imageOf(damaged);
    bytes.resize(1000, 0xFF);
    const std::string path = userDir + "$OSTRA.cfg";
    write(path, bytes);

    const OstraSettings loaded = OstraSettingsFile(path).LoadSettings();
    EXPECT_EQ(loaded.DisplayEventCount, 1000);
    EXPECT_EQ(loaded.Unused182, (std::array<std::uint8_t, 2>{1, 2}));
    EXPECT_EQ(loaded.ColumnWidths, OstraSettings{}.ColumnWidths);
}

TEST_F(OstraSettingsFileTest, SavesExactly228BytesThatLoadBack)
{
    const std::string path = userDir + "$OSTRA.cfg";
    write(path, Image(500, 0x01));
    OstraSettings settings;
    settings.WindowTop = 77;
    settings.Unused195 = 0x42;
    settings.ColumnWidths[3] = 90;
    ASSERT_TRUE(OstraSettingsFile(path).SaveSettings(settings));
    EXPECT_EQ(std::filesystem::file_size(path), OstraSettings::kSize);
    EXPECT_EQ(OstraSettingsFile(path).LoadSettings(), settings);
}

TEST_F(OstraSettingsFileTest, AFailedSaveIsReportedAndHarmless)
{
    EXPECT_FALSE(
        OstraSettingsFile((session.root() / "absent" / "$OSTRA.cfg").string()).SaveSettings({}));
}

} // namespace
} // namespace velmar::monitor
