#include "monitor/core/DisplayFilter.h"
#include "tests/monitor/MonitorRig.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <random>

namespace velmar::monitor::test {
namespace {

OstraSettings grid(std::int16_t rows, std::int16_t mode)
{
    OstraSettings settings;
    settings.DisplayEventCount = rows;
    settings.DisplayFullMode = mode;
    return settings;
}

void sendNotes(MonitorRig& rig, int count)
{
    for (int i = 0; i < count; ++i)
        rig.Send(0x90, static_cast<std::uint8_t>(i % 128), 100);
}

std::vector<QString> numbers(const MonitorRig& rig)
{
    std::vector<QString> column;
    for (std::int32_t row = 1; row <= rig.grid.rows().RowCount(); ++row)
        column.push_back(rig.Cell(row, kNumberColumn));
    return column;
}

std::vector<QString> texts(std::initializer_list<const char*> cells)
{
    std::vector<QString> column;
    for (const char* cell : cells)
        column.push_back(QString::fromUtf8(cell));
    return column;
}

TEST(EventIntake, StopTurnsAwayEventsOnceTheGridIsFull)
{
    MonitorRig rig(grid(10, kDisplayFullStop));
    sendNotes(rig, 11);
    const IdleResult result = rig.Pass();
    EXPECT_EQ(numbers(rig), texts({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(rig.Cell(10, kData1Column), QStringLiteral("Pitch = A  0   9 "));
    EXPECT_EQ(result.CurrentEventLabel, QStringLiteral("10"));
    EXPECT_TRUE(HostLinkBlock(rig.block.data()).RingEmpty()) << "the 11th is taken all the same";
    EXPECT_FALSE(rig.intake.ClockRunning());
}

TEST(EventIntake, WrapAroundReusesTheRowsAndKeepsTheNextOneEmpty)
{
    MonitorRig rig(grid(10, kDisplayFullWrap));
    sendNotes(rig, 10);
    (void)rig.Pass();
    EXPECT_EQ(rig.intake.TakeTopRow({1, 5}), 6) << "scrolled as far as the grid goes";

    rig.Send(0xC0, 5); // fills fewer cells than the note on it replaces
    (void)rig.Pass();
    EXPECT_EQ(rig.intake.TakeTopRow({6, 5}), 1);
    EXPECT_EQ(rig.intake.CurrentRow(), 1);
    EXPECT_EQ(rig.Cell(1, kNumberColumn), QStringLiteral("11"));
    EXPECT_EQ(rig.Cell(1, kData2Column), QString()) << "nothing is left of event 1";
    EXPECT_TRUE(rig.RowEmpty(2));

    sendNotes(rig, 14);
    (void)rig.Pass();
    EXPECT_EQ(numbers(rig), texts({"21", "22", "23", "24", "25", "", "17", "18", "19", "20"}));
    EXPECT_EQ(rig.intake.CurrentRow(), 5);
}

TEST(EventIntake, WrapAroundAndClearCountRestartsTheNumbers)
{
    MonitorRig rig(grid(10, kDisplayFullWrapClearCount));
    sendNotes(rig, 11);
    const IdleResult result = rig.Pass();
    EXPECT_EQ(numbers(rig), texts({"1", "", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(rig.intake.EventCount(), 1);
    EXPECT_EQ(result.CurrentEventLabel, QStringLiteral("1"));
}

TEST(EventIntake, ScrollsAPageWhenTheNewRowIsBelowTheVisibleOnes)
{
    MonitorRig rig(grid(100, kDisplayFullWrap));
    sendNotes(rig, 21);
    (void)rig.Pass();
    EXPECT_FALSE(rig.intake.TakeTopRow({1, 20}));
    sendNotes(rig, 1);
    (void)rig.Pass();
    EXPECT_EQ(rig.intake.TakeTopRow({1, 20}), 22);
    sendNotes(rig, 1);
    (void)rig.Pass();
    EXPECT_FALSE(rig.intake.TakeTopRow({22, 20}));
}

// The window scrolls when it repaints, however many passes came between: to the newest
// row, and back to the top first when the display wrapped. The rows passed over stay.
TEST(EventIntake, ScrollsOncePerRepaintToTheNewestRow)
{
    MonitorRig rig(grid(30, kDisplayFullWrap));
    for (int pass = 0; pass < 5; ++pass) {
        sendNotes(rig, 5);
        EXPECT_TRUE(rig.Pass().GridChanged);
    }
    EXPECT_EQ(rig.intake.TakeTopRow({1, 10}), 21) << "as far as the grid goes";
    EXPECT_EQ(numbers(rig)[0], QStringLiteral("1"));
    EXPECT_EQ(numbers(rig)[24], QStringLiteral("25"));
    EXPECT_FALSE(rig.intake.TakeTopRow({21, 10})) << "nothing new";

    sendNotes(rig, 10); // events 26 to 35: the display wraps after the 30th
    (void)rig.Pass();
    sendNotes(rig, 2);
    (void)rig.Pass();
    EXPECT_EQ(rig.intake.CurrentRow(), 7);
    EXPECT_EQ(rig.intake.TakeTopRow({21, 10}), 1);
    sendNotes(rig, 10);
    (void)rig.Pass();
    EXPECT_EQ(rig.intake.TakeTopRow({1, 10}), 17) << "a page on, to the newest row";
}

struct FilterCase {
    const char* name;
    std::function<void(OstraSettings&)> setUp;
    std::uint16_t source;
    std::uint8_t status, data1;
    bool shown;
};

void untickAll(OstraSettings& s)
{
    s.ShowComputerInput = 0;
    s.ShowHostOutput = 0;
    s.EventTypeFilter.fill(0);
    s.ChannelFilter.fill(0);
    s.ControllerFilter.fill(0);
}

TEST(EventIntake, DisplayFilterInBothModes)
{
    const auto defaults = [](OstraSettings&) {
    };
    const auto allExceptChannel10 = [](OstraSettings& s) {
        untickAll(s);
        s.FilterMode = kFilterAllExcept;
        s.ChannelFilter[9] = 1;
    };
    const auto allExceptHostAndClock = [](OstraSettings& s) {
        untickAll(s);
        s.FilterMode = kFilterAllExcept;
        s.ShowHostOutput = 1;
        s.EventTypeFilter[EventTypeIndex(0xF8)] = 1;
    };
    const auto onlyController7NotChannel1 = [](OstraSettings& s) {
        s.ChannelFilter[0] = 0;
        s.ControllerFilter.fill(0);
        s.ControllerFilter[7] = 1;
    };
    const auto onlyNoChannels = [](OstraSettings& s) {
        s.ChannelFilter.fill(0);
    };
    const auto onlyHostOutput = [](OstraSettings& s) {
        s.ShowComputerInput = 0;
    };
    const std::vector<FilterCase> cases = {
        {"defaults: note on", defaults, 0, 0x90, 60, true},
        {"defaults: timing clock", defaults, 0, 0xF8, 0, false},
        {"all except channel 10: on channel 10", allExceptChannel10, 0, 0x99, 60, false},
        {"all except channel 10: on channel 1", allExceptChannel10, 0, 0x90, 60, true},
        {"all except channel 10: system", allExceptChannel10, 0, 0xF8, 0, true},
        {"all except host output: from port 2", allExceptHostAndClock, 2, 0x90, 60, false},
        {"all except host output: from input", allExceptHostAndClock, 0, 0x90, 60, true},
        {"all except timing clock: timing clock", allExceptHostAndClock, 0, 0xF8, 0, false},
        {"all except timing clock: song start", allExceptHostAndClock, 0, 0xFA, 0, true},
        {"only controller 7: on an unticked channel", onlyController7NotChannel1, 0, 0xB0, 7,
         false},
        {"only controller 7: on a ticked channel", onlyController7NotChannel1, 0, 0xB1, 7, true},
        {"only controller 7: controller 8", onlyController7NotChannel1, 0, 0xB1, 8, false},
        {"only controller 7: not a control change", onlyController7NotChannel1, 0, 0x91, 8, true},
        {"only controller 7: controller number above 127", onlyController7NotChannel1, 0, 0xB1, 200,
         true},
        {"no channels: note on", onlyNoChannels, 0, 0x90, 60, false},
        {"no channels: song start", onlyNoChannels, 0, 0xFA, 0, true},
        {"host output only: from input", onlyHostOutput, 0, 0xFA, 0, false},
        {"host output only: from port 1", onlyHostOutput, 1, 0xFA, 0, true},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.name);
        OstraSettings settings;
        c.setUp(settings);
        EXPECT_EQ(PassesDisplayFilter(settings,
                                      {c.source, PackedMidiMessage::pack(c.status, c.data1, 0)}),
                  c.shown);
    }
}

TEST(EventIntake, HiddenEventsAreTakenWithoutARowOrANumber)
{
    MonitorRig rig;
    rig.Send(0xF8);
    rig.Send(0x90, 60, 100);
    rig.Send(0xF8);
    (void)rig.Pass();
    EXPECT_EQ(rig.intake.EventCount(), 1);
    EXPECT_EQ(rig.Cell(1, kStatusColumn), QStringLiteral("Note On ($9x)"));
    EXPECT_TRUE(rig.RowEmpty(2));
    EXPECT_TRUE(HostLinkBlock(rig.block.data()).RingEmpty());
}

TEST(EventIntake, ClockStartsWithTheFirstEventAndStopsAfterTheQuietPeriod)
{
    MonitorRig rig;
    rig.clock.now = 6000;
    (void)rig.Pass();
    EXPECT_FALSE(rig.intake.ClockRunning());

    rig.clock.now = 7000;
    rig.Send(0x90, 60, 100);
    (void)rig.Pass();
    rig.clock.now = 7250;
    rig.Send(0x80, 60, 0);
    (void)rig.Pass();
    EXPECT_EQ(rig.Cell(1, kTimeColumn), QStringLiteral("0"));
    EXPECT_EQ(rig.Cell(2, kTimeColumn), QStringLiteral("250"));

    rig.clock.now = 7250 + 9999;
    (void)rig.Pass();
    EXPECT_TRUE(rig.intake.ClockRunning());
    EXPECT_EQ(rig.intake.ElapsedMs(), 10249);
    rig.clock.now = 7250 + 10000;
    (void)rig.Pass();
    EXPECT_FALSE(rig.intake.ClockRunning()) << "10 s after the last event";
    rig.clock.now += 5000;
    (void)rig.Pass();
    EXPECT_EQ(rig.intake.ElapsedMs(), 10250);

    rig.Send(0x90, 62, 100);
    (void)rig.Pass();
    EXPECT_EQ(rig.Cell(3, kTimeColumn), QStringLiteral("0")) << "the next event restarts it";

    rig.intake.ClearTime();
    EXPECT_FALSE(rig.intake.ClockRunning());
    EXPECT_EQ(rig.intake.ElapsedMs(), 0);
}

TEST(EventIntake, AnIdlePassIsDueForTheScreenClampAndTheRunningClocksLabel)
{
    MonitorRig rig;
    (void)rig.Pass(); // the clamp and the labels are due at once
    const std::uint32_t start = rig.clock.now;
    EXPECT_TRUE(rig.Pass().RingWasEmpty);
    EXPECT_EQ(rig.clock.now, start) << "an empty pass does not wait";
    EXPECT_EQ(rig.intake.MsUntilPassDue(), 1001U) << "only the clamp, a second on";
    rig.clock.now += 1000;
    EXPECT_EQ(rig.intake.MsUntilPassDue(), 1U);
    EXPECT_FALSE(rig.Pass().KeepOnScreen);
    rig.clock.now += 1;
    EXPECT_EQ(rig.intake.MsUntilPassDue(), 0U);
    EXPECT_TRUE(rig.Pass().KeepOnScreen);

    // A running clock's label is due 50 ms after the last one.
    rig.clock.now += 10;
    rig.Send(0x90, 60, 100);
    EXPECT_FALSE(rig.Pass().RingWasEmpty);
    const std::uint32_t ms = rig.intake.MsUntilPassDue();
    EXPECT_GE(ms, 1U);
    EXPECT_LE(ms, 51U);
    rig.clock.now += ms;
    EXPECT_TRUE(rig.Pass().CurTimeLabel);

    rig.intake.ClearTime();
    EXPECT_GT(rig.intake.MsUntilPassDue(), 51U) << "a stopped clock's label does not change";
    rig.clock.now += 5000;
    EXPECT_EQ(rig.intake.MsUntilPassDue(), 0U) << "long overdue";
}

TEST(EventIntake, LabelsAtMostEvery50MsAndTheScreenClampOnceASecond)
{
    MonitorRig rig;
    IdleResult first = rig.Pass();
    EXPECT_TRUE(first.KeepOnScreen);
    EXPECT_EQ(first.CurTimeLabel, QStringLiteral("0"));
    EXPECT_FALSE(first.CurrentEventLabel);

    rig.clock.now = 5001;
    rig.Send(0x90, 60, 100);
    const IdleResult withEvent = rig.Pass();
    EXPECT_FALSE(withEvent.CurTimeLabel);
    EXPECT_EQ(withEvent.CurrentEventLabel, QStringLiteral("1")) << "at the end of every pass";

    rig.clock.now = 5050;
    const IdleResult early = rig.Pass();
    EXPECT_FALSE(early.CurTimeLabel);
    EXPECT_FALSE(early.KeepOnScreen);
    rig.clock.now = 5051;
    EXPECT_EQ(rig.Pass().CurTimeLabel, QStringLiteral("50")) << "the ring is empty; the clock runs";
    rig.clock.now = 5102;
    EXPECT_EQ(rig.Pass().CurTimeLabel, QStringLiteral("101"));
    rig.clock.now = 6001;
    EXPECT_TRUE(rig.Pass().KeepOnScreen);
}

TEST(EventIntake, EveryEventArrivesInOrderAcrossManyPasses)
{
    MonitorRig rig(grid(3000, kDisplayFullWrap));
    constexpr int kEvents = 2500; // the ring's indices go round twice
    for (int batch = 0; batch < kEvents / 500; ++batch) {
        for (int i = batch * 500; i < (batch + 1) * 500; ++i)
            rig.Send(0x90, static_cast<std::uint8_t>(i % 128), static_cast<std::uint8_t>(i / 128));
        (void)rig.Pass();
    }
    ASSERT_EQ(rig.intake.EventCount(), kEvents);
    for (int i = 0; i < kEvents; ++i)
        ASSERT_EQ(rig.Cell(i + 1, kRawColumn), QString::asprintf("90 %02X %02X ", i % 128, i / 128))
            << "event " << i;
}

TEST(EventIntake, ABurstReachesTheModelAsOneChange)
{
    MonitorRig rig;
    QSignalSpy changes(&rig.grid, &QAbstractItemModel::dataChanged);
    sendNotes(rig, 500);
    (void)rig.Pass();
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex().row(), 0);
    EXPECT_EQ(changes[0][1].toModelIndex().row(), 500) << "the emptied row after the burst";
    EXPECT_EQ(changes[0][1].toModelIndex().column(), 7);
    (void)rig.Pass();
    EXPECT_EQ(changes.count(), 1) << "an empty ring changes nothing";
}

TEST(EventIntake, TheRowsOfManyPassesReachTheModelWhenPublished)
{
    MonitorRig rig;
    QSignalSpy changes(&rig.grid, &QAbstractItemModel::dataChanged);
    for (int pass = 0; pass < 3; ++pass) {
        sendNotes(rig, 4);
        EXPECT_TRUE(rig.intake.AppIdle().GridChanged);
    }
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(rig.Cell(12, kNumberColumn), QStringLiteral("12")) << "written at once";
    rig.intake.PublishWrittenRows();
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex().row(), 0);
    EXPECT_EQ(changes[0][1].toModelIndex().row(), 12);
    rig.intake.PublishWrittenRows();
    EXPECT_EQ(changes.count(), 1);

    sendNotes(rig, 2);
    EXPECT_TRUE(rig.intake.AppIdle().GridChanged);
    rig.intake.ClearMIDIGrid();
    rig.intake.PublishWrittenRows();
    EXPECT_EQ(changes.count(), 1) << "the emptied grid said so itself";
    EXPECT_FALSE(rig.intake.AppIdle().GridChanged);
}

TEST(EventIntake, ClearingAndResizingEmptyTheGrid)
{
    MonitorRig rig;
    QSignalSpy resets(&rig.grid, &QAbstractItemModel::modelReset);
    sendNotes(rig, 3);
    (void)rig.Pass();
    rig.intake.ClearMIDIGrid();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_TRUE(rig.RowEmpty(1));
    EXPECT_EQ(rig.intake.EventCount(), 0);
    sendNotes(rig, 1);
    (void)rig.Pass();
    EXPECT_EQ(rig.Cell(1, kNumberColumn), QStringLiteral("1"));

    EXPECT_FALSE(rig.intake.ApplyDisplayEventCount()) << "an unchanged count keeps the rows";
    EXPECT_EQ(rig.Cell(1, kNumberColumn), QStringLiteral("1"));
    rig.settings.DisplayEventCount = 500;
    EXPECT_TRUE(rig.intake.ApplyDisplayEventCount());
    EXPECT_EQ(rig.grid.rowCount(), 500);
    EXPECT_TRUE(rig.RowEmpty(1));
    EXPECT_EQ(rig.intake.EventCount(), 0);
    rig.settings.DisplayEventCount = 0;
    EXPECT_TRUE(rig.intake.ApplyDisplayEventCount());
    EXPECT_EQ(rig.grid.rowCount(), 1);
    EXPECT_EQ(rig.settings.DisplayEventCount, 1) << "the count the grid took";
}

TEST(EventIntake, IndicesOutOfRangeAreNotFollowed)
{
    MonitorRig rig;
    const std::uint16_t badWrite = 5000;
    std::memcpy(rig.block.data() + HostLinkBlock::kWriteIndexOffset, &badWrite, 2);
    EXPECT_TRUE(rig.Pass().RingWasEmpty) << "counts as an empty ring";
    EXPECT_EQ(rig.intake.EventCount(), 0);
    EXPECT_EQ(HostLinkBlock(rig.block.data()).RingReadIndex(), 0);
}

// Whatever the block holds and whatever the record says, a pass ends, stays inside the
// block and the grid, and leaves the model consistent (its tester aborts otherwise).
TEST(EventIntake, AnyBlockContentsAndSettingsAreSafe)
{
    std::mt19937 random(20240517);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        OstraSettings::Bytes image{};
        for (std::byte& b : image)
            b = static_cast<std::byte>(byte(random));
        OstraSettings settings = BringIntoRange(OstraSettings::FromBytes(image));
        settings.DisplayEventCount = static_cast<std::int16_t>(1 + byte(random) % 40);
        MonitorRig rig(settings);
        for (std::byte& b : rig.block)
            b = static_cast<std::byte>(byte(random));
        // Mostly valid write indices, so that the ring is read at all.
        const auto write = static_cast<std::uint16_t>(byte(random) * 4);
        std::memcpy(rig.block.data() + HostLinkBlock::kWriteIndexOffset, &write, 2);
        for (int pass = 0; pass < 3; ++pass) {
            (void)rig.Pass();
            const std::optional<std::int32_t> top =
                rig.intake.TakeTopRow({byte(random) - 100, byte(random) - 100});
            ASSERT_TRUE(!top || (*top >= 1 && *top <= std::max(1, rig.grid.rows().RowCount())));
            const std::int32_t rows = rig.grid.rows().RowCount();
            ASSERT_GE(rig.intake.CurrentRow(), 0);
            ASSERT_LE(rig.intake.CurrentRow(), rows);
            if (settings.DisplayFullMode == kDisplayFullStop) {
                ASSERT_LE(rig.intake.EventCount(), rows);
            }
        }
    }
}

} // namespace
} // namespace velmar::monitor::test
