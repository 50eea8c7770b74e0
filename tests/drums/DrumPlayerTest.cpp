#include "drums/core/DrumPlayer.h"

#include "drums/core/VirtualKeys.h"
#include "runtime/HostMessages.h"
#include "tests/drums/DrumTestRig.h"
#include "tests/drums/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace velmar::drums::test {
namespace {

constexpr QPoint kBassDrum1{300, 330};  // note 36's HitRect is 263,305,342,355
constexpr QPoint kAcBassDrum{300, 280}; // note 35's is 263,255,342,305
constexpr QPoint kNothing{590, 390};
constexpr int kVkClear = 12;

platform::LPARAM packed(std::uint8_t status, std::uint8_t note, std::uint8_t velocity)
{
    return static_cast<platform::LPARAM>(PackedMidiMessage::pack(status, note, velocity).value());
}

ToHost played(std::uint8_t status, std::uint8_t note, std::uint8_t velocity, int port = 1)
{
    return Sent(HostCmdPlayEvent, port, packed(status, note, velocity));
}

ToHost recorded(std::uint8_t status, std::uint8_t note, std::uint8_t velocity)
{
    return Posted(HostCmdRecordEvent, 0, packed(status, note, velocity));
}

struct PlayerRig {
    PlayerRig() { player.SetNoteOnStatus(); }

    DrumRig rig;
    RecordingHost host;
    DrumPlayer player{rig.settings, rig.kit, rig.intake.transport(), host, rig.animation};
};

TEST(DrumPlayer, ShiftClickPlaysTheHighVelocityAndLightsInTheLiveColour)
{
    PlayerRig p;
    p.player.MouseDown(kBassDrum1, true);
    EXPECT_EQ(p.host.messages, std::vector<ToHost>{played(0x99, 36, 127)});
    EXPECT_EQ(p.host.messages[0].LParam, 0x7F2499);
    EXPECT_EQ(p.rig.canvas.drawn, std::vector<Drawn>{Lit(0, 36, HitColour::LiveInput)});
    EXPECT_EQ(p.player.CurrentNote(), 36);
}

TEST(DrumPlayer, PortAndChannelComeFromTheSettings)
{
    PlayerRig p;
    p.rig.settings.DrumChannel = 2;
    p.rig.settings.DrumPort = 5;
    p.player.SetNoteOnStatus();
    p.player.MouseDown(kBassDrum1, false);
    p.player.MouseUp(kBassDrum1);
    EXPECT_EQ(p.host.messages,
              (std::vector<ToHost>{played(0x91, 36, 90, 5), played(0x81, 36, 64, 5)}));
    EXPECT_EQ(p.rig.canvas.drawn.size(), 1U) << "shown on the drum channel of the settings";
}

TEST(DrumPlayer, ANewNoteEndsTheSoundingOne)
{
    PlayerRig p;
    p.player.KeyDown('X', false);
    p.player.KeyDown('Z', false);
    EXPECT_EQ(p.host.messages, (std::vector<ToHost>{played(0x99, 35, 90), played(0x89, 35, 64),
                                                    played(0x99, 36, 90)}));
    p.player.KeyUp('Z');
    EXPECT_EQ(p.host.messages.back(), played(0x89, 36, 64));
    EXPECT_EQ(p.player.CurrentNote(), kNoNote);
}

TEST(DrumPlayer, AReleaseOutsideEveryInstrumentLeavesTheNoteSounding)
{
    PlayerRig p;
    p.player.MouseDown(kBassDrum1, false);
    p.player.MouseUp(kNothing);
    EXPECT_EQ(p.host.messages.size(), 1U);
    EXPECT_EQ(p.player.CurrentNote(), 36);
    p.player.MouseDown(kNothing, false);
    EXPECT_EQ(p.host.messages.size(), 1U) << "a press on no instrument plays nothing";
    p.player.MouseDown(kAcBassDrum, false);
    EXPECT_EQ(p.host.messages, (std::vector<ToHost>{played(0x99, 36, 90), played(0x89, 36, 64),
                                                    played(0x99, 35, 90)}));
}

TEST(DrumPlayer, WhileRecordingEveryNoteIsPostedForRecordingAfterItIsSent)
{
    for (const TransportState state :
         {TransportState::Stopped, TransportState::Playing, TransportState::Recording}) {
        PlayerRig p;
        p.rig.intake.transport().setState(state);
        p.player.KeyDown('Z', false);
        p.player.KeyUp('Z');
        std::vector<ToHost> expected{played(0x99, 36, 90)};
        if (state == TransportState::Recording)
            expected.push_back(recorded(0x99, 36, 90));
        expected.push_back(played(0x89, 36, 64));
        if (state == TransportState::Recording)
            expected.push_back(recorded(0x89, 36, 64));
        EXPECT_EQ(p.host.messages, expected) << static_cast<int>(state);
    }
}

TEST(DrumPlayer, KeypadNavigationCodesPlayWithTheHighVelocity)
{
    PlayerRig p;
    p.player.KeyDown(kVkClear, false); // keypad 5 with NumLock on and Shift held
    p.player.KeyDown(101, false);      // keypad 5 itself
    p.player.KeyDown(101, true);
    EXPECT_EQ(p.host.messages, (std::vector<ToHost>{played(0x99, 73, 127), played(0x89, 73, 64),
                                                    played(0x99, 73, 90), played(0x89, 73, 64),
                                                    played(0x99, 73, 127)}));
}

TEST(DrumPlayer, TransportKeysAndShiftPlayNothingAndOnlyReturnAndShiftKeepTheNote)
{
    PlayerRig p;
    for (const int key : {kVkReturn, kVkSpace, kVkTab, kVkShift, 0, 'K' + 100})
        p.player.KeyDown(key, false);
    EXPECT_TRUE(p.host.messages.empty());

    const struct {
        int key;
        bool releases;
    } releases[] = {{kVkReturn, false}, {kVkShift, false}, {kVkSpace, true},
                    {kVkTab, true},     {0, true},         {'Q', true}};
    for (const auto& release : releases) {
        PlayerRig q;
        q.player.KeyDown('Z', false);
        q.player.KeyUp(release.key);
        EXPECT_EQ(q.player.CurrentNote() == kNoNote, release.releases) << release.key;
    }
}

TEST(DrumPlayer, AutoRepeatPlaysTheNoteAgain)
{
    PlayerRig p;
    p.player.KeyDown('C', false);
    p.player.KeyDown('C', false);
    EXPECT_EQ(p.host.messages, (std::vector<ToHost>{played(0x99, 38, 90), played(0x89, 38, 64),
                                                    played(0x99, 38, 90)}));
}

TEST(DrumPlayer, RandomizedVelocitiesStayInTheirSpan)
{
    const struct {
        std::uint8_t hi;
        std::uint8_t lo;
        std::int16_t range;
        bool high;
        int least;
        int most;
    } cases[] = {
        {127, 90, 20, true, 102, 126}, {127, 90, 20, false, 72, 89}, {127, 90, 0, true, 127, 127},
        {127, 1, 100, false, 1, 1},    {127, 90, 100, true, 1, 126},
    };
    for (const auto& c : cases) {
        PlayerRig p;
        p.rig.settings.HiVelocity = c.hi;
        p.rig.settings.LoVelocity = c.lo;
        p.rig.settings.RandomRange = c.range;
        p.rig.settings.RandomizeVelocity = 1;
        DeriveRandomSpans(p.rig.settings);
        p.player.Seed(7);
        std::set<int> seen;
        for (int draw = 0; draw < 5000; ++draw)
            seen.insert(p.player.ChooseVelocity(c.high));
        EXPECT_EQ(*seen.begin(), c.least) << c.range << ' ' << c.high;
        EXPECT_EQ(*seen.rbegin(), c.most) << c.range << ' ' << c.high;
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(c.most - c.least + 1)) << "every one";
    }
}

} // namespace
} // namespace velmar::drums::test
