#include "host/Sequencer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmar::host {
namespace {

// Records what the sequencer plays as a readable script.
struct Script : SequencerOutput {
    void PlayEvent(const SongEvent& event) override
    {
        lines.push_back("event " + std::to_string(event.timeMs));
    }
    void BarStarted(int bar) override { lines.push_back("bar " + std::to_string(bar)); }
    void StoppedAtEnd() override { lines.push_back("end"); }
    std::vector<std::string> take()
    {
        auto taken = std::move(lines);
        lines.clear();
        return taken;
    }
    std::vector<std::string> lines;
};

// Two bars of 1000 ms with events at 0, 500, 1000 and 1500 ms.
Song twoBars()
{
    Song song;
    for (std::uint32_t at : {0U, 500U, 1000U, 1500U})
        song.events.push_back({at, 1, PackedMidiMessage::pack(0x90, 60, 100), {}});
    song.barStartsMs = {0, 1000};
    song.lengthMs = 2000;
    return song;
}

using Lines = std::vector<std::string>;

TEST(Sequencer, PlaysBarsAndEventsInTimeOrderAndStopsAtTheEnd)
{
    Sequencer sequencer(twoBars(), false);
    Script out;
    sequencer.Advance(100, out);
    EXPECT_TRUE(out.take().empty()) << "nothing plays while stopped";

    sequencer.Play(100);
    sequencer.Advance(100, out);
    EXPECT_EQ(out.take(), (Lines{"bar 1", "event 0"}));
    sequencer.Advance(1150, out);
    EXPECT_EQ(out.take(), (Lines{"event 500", "bar 2", "event 1000"}));
    sequencer.Advance(5000, out);
    EXPECT_EQ(out.take(), (Lines{"event 1500", "end"}));
    EXPECT_EQ(sequencer.state(), TransportState::Stopped);

    sequencer.Play(6000); // at the end: from the start again
    sequencer.Advance(6000, out);
    EXPECT_EQ(out.take(), (Lines{"bar 1", "event 0"}));
}

TEST(Sequencer, StopKeepsThePositionAndRewindGoesBackToTheStart)
{
    Sequencer sequencer(twoBars(), false);
    Script out;
    sequencer.Play(0);
    sequencer.Advance(600, out);
    out.take();
    sequencer.Stop(600);
    EXPECT_EQ(sequencer.positionMs(9999), 600U);
    sequencer.Play(10'000);
    sequencer.Advance(10'400, out);
    EXPECT_EQ(out.take(), (Lines{"bar 2", "event 1000"}));
    EXPECT_EQ(sequencer.bar(), 2);

    sequencer.Rewind(10'400);
    EXPECT_EQ(sequencer.positionMs(10'400), 0U);
    EXPECT_TRUE(sequencer.running()) << "rewinding does not stop";
    sequencer.Advance(10'400, out);
    EXPECT_EQ(out.take(), (Lines{"bar 1", "event 0"}));
}

TEST(Sequencer, LoopsWhenAskedAndSkipsRoundsItCouldNotPlay)
{
    Sequencer sequencer(twoBars(), true);
    Script out;
    sequencer.Play(0);
    sequencer.Advance(2100, out);
    EXPECT_EQ(out.take(), (Lines{"bar 1", "event 0", "event 500", "bar 2", "event 1000",
                                 "event 1500", "bar 1", "event 0"}));
    EXPECT_TRUE(sequencer.running());
    sequencer.Advance(2100 + 10 * 2000 + 10, out);
    EXPECT_EQ(out.take().size(), 6U) << "the rest of one round, then the start of the next";
}

TEST(Sequencer, RecordsATakeFromTheStart)
{
    Sequencer sequencer(twoBars(), true);
    Script out;
    sequencer.Play(0);
    sequencer.Advance(700, out);
    sequencer.RecordEvent(PackedMidiMessage(0x99), 700);
    EXPECT_TRUE(sequencer.take().empty()) << "playing is not recording";

    sequencer.Record(1000);
    EXPECT_EQ(sequencer.state(), TransportState::Recording);
    EXPECT_EQ(sequencer.positionMs(1000), 0U);
    sequencer.RecordEvent(PackedMidiMessage(0x99), 1250);
    sequencer.RecordEvent(PackedMidiMessage(0x89), 1300);
    ASSERT_EQ(sequencer.take().size(), 2U);
    EXPECT_EQ(sequencer.take()[0].timeMs, 250U);
    EXPECT_EQ(sequencer.take()[1].message, PackedMidiMessage(0x89));

    sequencer.Advance(1000 + 2500, out);
    EXPECT_EQ(sequencer.state(), TransportState::Stopped) << "a take ends with the song";
    sequencer.Record(5000);
    EXPECT_TRUE(sequencer.take().empty()) << "a new take starts empty";
}

} // namespace
} // namespace velmar::host
