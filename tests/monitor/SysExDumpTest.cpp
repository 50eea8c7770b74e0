#include "monitor/core/SysExDump.h"

#include "monitor/core/RowsOnDisplay.h"
#include "monitor/core/WholeFileSave.h"
#include "tests/monitor/MonitorRig.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <sstream>

namespace velmar::monitor::test {
namespace {

OstraSettings rowsAndMode(std::int16_t rows, std::int16_t mode)
{
    OstraSettings settings;
    settings.DisplayEventCount = rows;
    settings.DisplayFullMode = mode;
    return settings;
}

std::vector<std::uint8_t> counting(std::size_t count, std::uint8_t first)
{
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

std::string syx(std::initializer_list<std::vector<std::uint8_t>> dumps)
{
    std::string bytes;
    for (const std::vector<std::uint8_t>& dump : dumps) {
        bytes += '\xF0';
        bytes.append(dump.begin(), dump.end());
        bytes += '\xF7';
    }
    return bytes;
}

SysExFile fileOf(const MonitorRig& rig, std::initializer_list<std::int32_t> selected)
{
    const std::vector<std::int32_t> order =
        RowsOnDisplay(rig.grid.rows(), rig.intake.CurrentRow(), rig.intake.Wrapped());
    return SysExFileOf(rig.grid.rows(), order, std::vector<std::int32_t>(selected));
}

TEST(SysExDump, ADumpAcrossTheAreasEndIsSavedAsTheAreaHeldIt)
{
    MonitorRig rig(rowsAndMode(20, kDisplayFullWrap));
    const std::vector<std::uint8_t> dump = counting(20, 0x10);
    rig.SendSysExAt(63990, dump); // positions 63990 to 64000, then 0 to 8
    (void)rig.Pass();
    // Rows: 1 the first 16 bytes, 2 the last 4, 3 the end marker.
    for (const std::int32_t row : {1, 2, 3}) {
        const SysExFile file = fileOf(rig, {row});
        EXPECT_EQ(file.Bytes, syx({dump})) << "from row " << row;
        EXPECT_EQ(file.Dumps, 1U);
        EXPECT_EQ(file.NotWhole, 0U);
    }
}

TEST(SysExDump, BytesTheHostOverwroteAfterTheRowWasShownAreSavedAsShown)
{
    MonitorRig rig(rowsAndMode(20, kDisplayFullWrap));
    const std::vector<std::uint8_t> first = counting(40, 0);
    rig.SendSysEx(first);
    (void)rig.Pass();
    const QString shown = rig.Cell(2, kData1Column);

    // The host goes round its area and writes over the same positions.
    for (std::size_t p = 0; p < HostLinkBlock::kSysExSize; ++p)
        rig.block[HostLinkBlock::kSysExOffset + p] = std::byte{0x55};
    const std::vector<std::uint8_t> second = counting(3, 0x70);
    rig.SendSysExAt(0, second);
    rig.Send(0x90, 60, 100);
    (void)rig.Pass();

    EXPECT_EQ(rig.Cell(2, kData1Column), shown);
    EXPECT_EQ(fileOf(rig, {2}).Bytes, syx({first}));
    EXPECT_EQ(fileOf(rig, {6, 1}).Bytes, syx({first, second}))
        << "several dumps in display order, whichever row of each is selected";
    EXPECT_EQ(fileOf(rig, {7}).Dumps, 0U) << "a note is no dump";
}

TEST(SysExDump, ADumpNotWholeOnDisplayIsLeftOutAndCounted)
{
    // Wrap Around with 6 rows: a 40-byte dump takes rows 1 to 4 (3 rows of bytes, the end
    // marker); three notes then take rows 5, 6 and 1, so the dump has lost its first row.
    MonitorRig wrapped(rowsAndMode(6, kDisplayFullWrap));
    wrapped.SendSysEx(counting(40, 0));
    for (int i = 0; i < 3; ++i)
        wrapped.Send(0x90, 60, 100);
    (void)wrapped.Pass();
    ASSERT_EQ(wrapped.intake.CurrentRow(), 1);
    const SysExFile overwritten = fileOf(wrapped, {3});
    EXPECT_EQ(overwritten.Dumps, 0U);
    EXPECT_EQ(overwritten.NotWhole, 1U);
    EXPECT_TRUE(overwritten.Bytes.empty());

    // Stop with 2 rows: the dump is cut off before its end marker.
    MonitorRig stopped(rowsAndMode(2, kDisplayFullStop));
    stopped.SendSysEx(counting(40, 0));
    (void)stopped.Pass();
    EXPECT_EQ(fileOf(stopped, {1}).NotWhole, 1U);
    EXPECT_EQ(fileOf(stopped, {1}).Dumps, 0U);
}

TEST(SysExDump, ADumpThatGoesRoundTheRowsStaysWhole)
{
    MonitorRig rig(rowsAndMode(6, kDisplayFullWrap));
    for (int i = 0; i < 4; ++i)
        rig.Send(0x90, 60, 100);
    const std::vector<std::uint8_t> dump = counting(17, 1);
    rig.SendSysEx(dump); // rows 5, 6 and the end marker in row 1
    (void)rig.Pass();
    ASSERT_EQ(rig.intake.CurrentRow(), 1);
    EXPECT_EQ(fileOf(rig, {1}).Bytes, syx({dump}));
}

TEST(WholeFileSave, AFailedSaveNamesTheFileAndKeepsTheOldOne)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("dump.syx"));
    EXPECT_EQ(SaveWholeFile(path, "old"), std::nullopt);
    EXPECT_EQ(SaveWholeFile(path, std::string("\xF0\x01\xF7", 3)), std::nullopt);
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream saved;
    saved << in.rdbuf();
    EXPECT_EQ(saved.str(), std::string("\xF0\x01\xF7", 3));

    const QString missing = directory.filePath(QStringLiteral("no such folder/dump.syx"));
    const std::optional<QString> failure = SaveWholeFile(missing, "new");
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->startsWith(missing)) << failure->toStdString();
    EXPECT_TRUE(failure->contains(QStringLiteral("No such file or directory")));
}

} // namespace
} // namespace velmar::monitor::test
