#include "drums/core/DelayQueue.h"
#include "tests/drums/DrumTestRig.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace velmar::drums::test {
namespace {

TEST(DrumEventIntake, ShowsEveryEventOfTheRingInTheTickThatTakesIt)
{
    DrumRig rig;
    rig.settings.DurationBoost = 0;
    rig.ring.setIndices(1000, 1000);
    rig.noteOn(38);
    rig.noteOn(40, 0);
    rig.runTick(1);
    EXPECT_EQ(rig.ring.readIndex(), 2); // slot 1000, then slot 1
    EXPECT_EQ(rig.canvas.drawn, (std::vector<Drawn>{Lit(1, 38), Lit(1, 40, HitColour::LiveInput)}));
}

TEST(DrumEventIntake, DisplayDelayShowsANoteAtTheFirstTickItIsDue)
{
    struct Case {
        const char* what;
        std::vector<std::uint32_t> tickTimes; // the note is in the ring for the first tick
        int shownAtTick;
    };
    const std::uint32_t wrapSoon = std::numeric_limits<std::uint32_t>::max() - 99;
    const std::vector<Case> cases = {
        {"every 10 ms", {1000, 1010, 1100, 1190, 1200, 1210}, 5},
        {"late timer", {1000, 1150, 1199, 1201}, 4},
        {"clock wraps", {wrapSoon, wrapSoon + 150, 99, 100}, 4},
    };
    for (const Case& c : cases) {
        DrumRig rig;
        rig.intake.SetDisplayDelay(200);
        rig.noteOn(38);
        for (std::size_t i = 0; i < c.tickTimes.size(); ++i)
            rig.runTick(static_cast<int>(i) + 1, c.tickTimes[i]);
        ASSERT_FALSE(rig.canvas.drawn.empty()) << c.what;
        EXPECT_EQ(rig.canvas.drawn.front(), Lit(c.shownAtTick, 38)) << c.what;
    }
}

TEST(DrumEventIntake, OtherTrafficDoesNotCrowdTheDelayQueue)
{
    DrumRig rig;
    rig.intake.SetDisplayDelay(200);
    rig.noteOn(38);
    for (int i = 0; i < 300; ++i)
        rig.ring.write(0, PackedMidiMessage::pack(0xF8, 0, 0)); // MIDI clock
    rig.runTick(1, 1000);
    EXPECT_TRUE(rig.canvas.drawn.empty());
    rig.runTick(2, 1200);
    EXPECT_EQ(rig.canvas.drawn, (std::vector<Drawn>{Lit(2, 38)}));
}

TEST(DrumEventIntake, AFullDelayQueueShowsItsOldestAtOnceAndLosesNothing)
{
    DrumRig rig;
    rig.intake.SetDisplayDelay(200);
    for (int i = 0; i < 150; ++i)
        rig.noteOn(54); // Tambourine: every note-on draws
    rig.runTick(1, 1000);
    EXPECT_EQ(rig.canvas.drawn.size(), 50U);
    rig.runTick(2, 1199);
    EXPECT_EQ(rig.canvas.drawn.size(), 50U);
    rig.runTick(3, 1200);
    EXPECT_EQ(rig.canvas.drawn.size(), 150U);
}

TEST(DrumEventIntake, DisplayDelayFromTheHostIsBroughtIntoRange)
{
    const std::vector<std::pair<platform::LRESULT, std::int32_t>> cases = {
        {0, 0},
        {200, 200},
        {-1, 0},
        {std::numeric_limits<platform::LRESULT>::min(), 0},
        {10'000, 10'000},
        {10'001, 10'000},
        {platform::LRESULT{1} << 40, 10'000},
    };
    for (const auto& [reply, expected] : cases) {
        DrumRig rig;
        rig.intake.SetDisplayDelay(reply);
        EXPECT_EQ(rig.intake.DisplayDelay(), expected) << reply;
    }
}

TEST(DrumEventIntake, AsksTheTransportOnEveryTenthTickOnly)
{
    DrumRig rig;
    rig.host.running = 1;
    std::vector<int> askedAt;
    std::vector<int> changedAt;
    for (int tick = 1; tick <= 30; ++tick) {
        const int before = rig.host.runningQueries;
        rig.runTick(tick);
        if (rig.host.runningQueries != before)
            askedAt.push_back(tick);
        if (rig.transportChanged)
            changedAt.push_back(tick);
    }
    EXPECT_EQ(askedAt, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(changedAt, (std::vector<int>{10})); // stopped to playing, then no change
    EXPECT_EQ(rig.intake.transport().state(), TransportState::Playing);
}

TEST(TransportPoll, ReadsTheHostsReplies)
{
    struct Case {
        platform::LRESULT running;
        platform::LRESULT recording;
        TransportState expected;
        int recordingQueries;
    };
    const std::vector<Case> cases = {
        {0, 1, TransportState::Stopped, 0},
        {1, 1, TransportState::Recording, 1},
        {1, 2, TransportState::Playing, 1},
        {-7, 0, TransportState::Playing, 1},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        host.running = c.running;
        host.recording = c.recording;
        EXPECT_EQ(AskTransportState(host), c.expected) << c.running << ' ' << c.recording;
        EXPECT_EQ(host.recordingQueries, c.recordingQueries);
    }
}

TEST(TransportPoll, ReportsAChangeAgainstTheStateTheBarSet)
{
    ScriptedHost host; // stopped
    TransportPoll poll;
    poll.setState(TransportState::Recording);
    for (int tick = 1; tick < 10; ++tick)
        EXPECT_FALSE(poll.Tick(host));
    EXPECT_TRUE(poll.Tick(host)); // the host stopped by itself
    EXPECT_EQ(poll.state(), TransportState::Stopped);
}

TEST(DelayQueue, KeepsOrderAndGivesBackTheOldestWhenFull)
{
    DelayQueue queue;
    const auto event = [](std::uint32_t n) {
        return DelayedEvent{PackedMidiMessage(n), static_cast<std::uint16_t>(n % 3), 100 + n};
    };
    for (std::uint32_t n = 0; n < 100; ++n)
        ASSERT_FALSE(queue.Push(event(n))) << n;
    EXPECT_EQ(queue.Push(event(100)), event(0));
    EXPECT_EQ(queue.Push(event(101)), event(1));

    EXPECT_FALSE(queue.PopDue(101)); // the oldest waiting is due at 102
    std::vector<std::uint32_t> popped;
    while (const auto due = queue.PopDue(1000))
        popped.push_back(due->Message.value());
    ASSERT_EQ(popped.size(), 100U);
    EXPECT_EQ(popped.front(), 2U);
    EXPECT_EQ(popped.back(), 101U);
    EXPECT_TRUE(queue.empty());
}

} // namespace
} // namespace velmar::drums::test
