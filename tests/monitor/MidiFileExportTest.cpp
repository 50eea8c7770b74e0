#include "monitor/core/MidiFileExport.h"

#include "monitor/core/RowsOnDisplay.h"
#include "tests/monitor/MonitorRig.h"

#include <gtest/gtest.h>

#include <memory>
#include <smf.h>

namespace velmar::monitor::test {
namespace {

struct SmfDeleter {
    void operator()(smf_t* smf) const { smf_delete(smf); }
};

struct ReadEvent {
    int ticks;
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const ReadEvent&, const ReadEvent&) = default;
};

void PrintTo(const ReadEvent& event, std::ostream* out)
{
    *out << event.ticks << ":";
    for (const std::uint8_t byte : event.bytes)
        *out << ' ' << std::hex << int{byte} << std::dec;
}

std::optional<MidiFileExport> exported(const MonitorRig& rig)
{
    const std::vector<std::int32_t> order =
        RowsOnDisplay(rig.grid.rows(), rig.intake.CurrentRow(), rig.intake.Wrapped());
    return ExportMidiFile(rig.grid.rows(), order);
}

// The events of a file as libsmf reads them back, tempo meta events included.
std::vector<ReadEvent> readBack(const std::string& bytes, int* format = nullptr,
                                int* ppqn = nullptr)
{
    const std::unique_ptr<smf_t, SmfDeleter> smf(
        smf_load_from_memory(bytes.data(), static_cast<int>(bytes.size())));
    EXPECT_TRUE(smf);
    if (!smf)
        return {};
    if (format != nullptr)
        *format = smf->format;
    if (ppqn != nullptr)
        *ppqn = smf->ppqn;
    EXPECT_EQ(smf->number_of_tracks, 1);
    std::vector<ReadEvent> events;
    while (const smf_event_t* event = smf_get_next_event(smf.get())) {
        if (smf_event_is_eot(event) != 0)
            continue;
        events.push_back({event->time_pulses,
                          {event->midi_buffer, event->midi_buffer + event->midi_buffer_length}});
    }
    return events;
}

OstraSettings rows(std::int16_t count)
{
    OstraSettings settings;
    settings.DisplayEventCount = count;
    settings.DisplayFullMode = kDisplayFullWrap;
    settings.EventTypeFilter.fill(1); // every kind on display, active sensing too
    return settings;
}

const ReadEvent kTempo{0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}};

TEST(MidiFileExport, AType0FileAtOneTickAMillisecondWithWhatAFileCanHold)
{
    MonitorRig rig(rows(100));
    rig.Send(0x90, 60, 100);
    rig.Send(0xF8); // clock
    (void)rig.Pass();
    rig.clock.now += 250;
    rig.Send(0xC2, 5);
    rig.Send(0xFE); // active sensing
    const std::vector<std::uint8_t> dump{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0x41, 0x01,
                                         0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};
    rig.SendSysEx(dump);
    (void)rig.Pass();
    rig.clock.now += 1000;
    rig.Send(0xF2, 1, 0); // song position
    rig.Send(0xE1, 0, 64);
    rig.Send(0xFF);       // system reset
    rig.Send(0xD0, 0x90); // a data byte that is none
    (void)rig.Pass();

    const std::optional<MidiFileExport> file = exported(rig);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->Events, 4U);
    EXPECT_EQ(file->LeftOut, 5U);
    int format = -1;
    int ppqn = -1;
    std::vector<std::uint8_t> sysEx(dump.size() + 2, 0xF0);
    std::copy(dump.begin(), dump.end(), sysEx.begin() + 1);
    sysEx.back() = 0xF7;
    EXPECT_EQ(
        readBack(file->Bytes, &format, &ppqn),
        (std::vector<ReadEvent>{
            kTempo, {0, {0x90, 60, 100}}, {250, {0xC2, 5}}, {250, sysEx}, {1250, {0xE1, 0, 64}}}));
    EXPECT_EQ(format, 0);
    EXPECT_EQ(ppqn, 500);
}

TEST(MidiFileExport, TimesGoOnFromTheEventBeforeWhenTheClockStartsAgain)
{
    OstraSettings settings = rows(100);
    settings.InactivityStopMs = 1000;
    MonitorRig rig(settings);
    rig.Send(0x90, 60, 100);
    (void)rig.Pass();
    rig.clock.now += 400;
    rig.Send(0x80, 60, 0);
    (void)rig.Pass(); // shown at 400 ms
    rig.clock.now += 5000;
    (void)rig.Pass(); // the clock stops after the quiet second
    rig.Send(0x90, 62, 90);
    (void)rig.Pass(); // and starts again from 0
    rig.clock.now += 30;
    rig.Send(0x80, 62, 0);
    (void)rig.Pass();
    ASSERT_EQ(rig.Cell(3, kTimeColumn), QStringLiteral("0"));

    const std::optional<MidiFileExport> file = exported(rig);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(readBack(file->Bytes), (std::vector<ReadEvent>{kTempo,
                                                             {0, {0x90, 60, 100}},
                                                             {400, {0x80, 60, 0}},
                                                             {400, {0x90, 62, 90}},
                                                             {430, {0x80, 62, 0}}}));
}

TEST(MidiFileExport, AWrappedDisplayStartsWithItsOldestEventAtTickZero)
{
    MonitorRig rig(rows(4));
    for (std::uint8_t note = 0; note < 6; ++note) {
        rig.Send(0x90, note, 1);
        (void)rig.Pass();
        rig.clock.now += 10;
    }
    // Rows 1 and 2 hold notes 4 and 5, row 3 is the separator, row 4 holds note 3.
    const std::optional<MidiFileExport> file = exported(rig);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(readBack(file->Bytes),
              (std::vector<ReadEvent>{
                  kTempo, {0, {0x90, 3, 1}}, {10, {0x90, 4, 1}}, {20, {0x90, 5, 1}}}));
    EXPECT_EQ(file->LeftOut, 0U);
}

} // namespace
} // namespace velmar::monitor::test
