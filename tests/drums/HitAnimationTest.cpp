#include "tests/drums/DrumTestRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmar::drums::test {
namespace {

constexpr HitColour kLive = HitColour::LiveInput;
constexpr SmallPicture kClosedHit = SmallPicture::HiHatClosedHitImage;
constexpr SmallPicture kClosed = SmallPicture::HiHatClosedImage;
constexpr SmallPicture kMuteTriangle = SmallPicture::MuteTriangleHitImage;
constexpr SmallPicture kShortGuiro = SmallPicture::ShortGuiroHitImage;

// A note-on put into the ring just before the tick takes it.
struct Hit {
    int Tick = 0;
    std::uint8_t Note = 0;
    std::uint16_t Port = 1;
};

struct Script {
    std::string Name;
    std::int16_t DurationBoost = 0;
    std::vector<Hit> Hits;
    int Ticks = 12;
    std::vector<Drawn> Expected;
};

void PrintTo(const Script& script, std::ostream* out)
{
    *out << script.Name;
}

class HitAnimationScript : public ::testing::TestWithParam<Script> {};

TEST_P(HitAnimationScript, DrawsTheExpectedLooks)
{
    const Script& script = GetParam();
    DrumRig rig;
    rig.settings.DurationBoost = script.DurationBoost;
    for (int tick = 1; tick <= script.Ticks; ++tick) {
        for (const Hit& hit : script.Hits) {
            if (hit.Tick == tick)
                rig.noteOn(hit.Note, hit.Port);
        }
        rig.runTick(tick);
    }
    EXPECT_EQ(rig.canvas.drawn, script.Expected);
}

const std::vector<Script> kScripts = {
    // Single
    {"SnareLitThreeTicksWithoutBoost", 0, {{1, 38}}, 12, {Lit(1, 38), Rest(3, 38)}},
    {"BoostTwoAddsTwoTicks", 2, {{1, 38}}, 12, {Lit(1, 38), Rest(5, 38)}},
    {"LiveInputColour", 0, {{1, 38, 0}}, 12, {Lit(1, 38, kLive), Rest(3, 38)}},
    {"RepeatWhileLitShowsTwoTickGap",
     0,
     {{1, 38}, {2, 38}},
     12,
     {Lit(1, 38), Rest(2, 38), Lit(3, 38), Rest(6, 38)}},
    {"HitInGapRelightsInTheColourStoredByTheGap",
     0,
     {{1, 38, 1}, {2, 38, 0}, {3, 38, 1}},
     12,
     {Lit(1, 38), Rest(2, 38), Lit(3, 38, kLive), Rest(5, 38)}},
    {"InstrumentsEndInIndexOrder",
     0,
     {{1, 38}, {1, 36}},
     12,
     {Lit(1, 38), Lit(1, 36), Rest(3, 36), Rest(3, 38)}},
    // Toggle: no timer at all
    {"TambourineTogglesOnEachHit", 0, {{1, 54, 0}, {6, 54}}, 12, {Lit(1, 54, kLive), Rest(6, 54)}},
    // HiHat: 42 closed, 44 pedal, 46 open, all drawn in row 42's area
    {"ClosedEndsClosed", 0, {{1, 42}}, 12, {Small(1, kClosedHit, 42), Small(3, kClosed, 42)}},
    {"ClosedThenPedalOpensClosesAndOpens",
     0,
     {{1, 42}, {5, 44}},
     12,
     {Small(1, kClosedHit, 42), Small(3, kClosed, 42), Rest(5, 42), Small(6, kClosed, 42),
      Rest(9, 42)}},
    {"ClosedTwice",
     0,
     {{1, 42}, {2, 42}},
     12,
     {Small(1, kClosedHit, 42), Small(2, kClosed, 42), Small(3, kClosedHit, 42),
      Small(6, kClosed, 42)}},
    {"PedalAloneClosesForAWhile", 0, {{1, 44, 0}}, 12, {Small(1, kClosed, 42, kLive), Rest(3, 42)}},
    {"OpenTwice", 0, {{1, 46}, {2, 46}}, 12, {Lit(1, 42), Rest(2, 42), Lit(3, 42), Rest(6, 42)}},
    {"OpenWhileClosedLit",
     0,
     {{1, 42}, {2, 46}},
     12,
     {Small(1, kClosedHit, 42), Lit(2, 42), Rest(4, 42)}},
    // Triangle (80 mute, 81 open) and guiro (73 short, 74 long)
    {"MuteThenOpenTriangle",
     0,
     {{1, 80}, {2, 81}},
     12,
     {Small(1, kMuteTriangle, 80), Lit(2, 80), Rest(4, 80)}},
    {"MuteTriangleTwice",
     0,
     {{1, 80, 0}, {2, 80, 0}},
     12,
     {Small(1, kMuteTriangle, 80, kLive), Rest(2, 80), Small(3, kMuteTriangle, 80, kLive),
      Rest(6, 80)}},
    {"LongGuiroTwice",
     1,
     {{1, 74}, {2, 74}},
     12,
     {Lit(1, 73), Rest(2, 73), Lit(3, 73), Rest(7, 73)}},
    {"ShortGuiro", 0, {{1, 73}}, 12, {Small(1, kShortGuiro, 73), Rest(3, 73)}},
    // Whistle and kick: one look for the group
    {"WhistlesShareOneLook",
     0,
     {{1, 71}, {2, 72}},
     12,
     {Lit(1, 71), Rest(2, 71), Lit(3, 71), Rest(6, 71)}},
    {"KicksShareOneLook",
     0,
     {{1, 35}, {2, 32}, {8, 36}},
     12,
     {Lit(1, 36), Rest(2, 36), Lit(3, 36), Rest(6, 36), Lit(8, 36), Rest(10, 36)}},
    // Scratch: 29 push, 30 pull
    {"PushStaysLit", 0, {{1, 29}}, 12, {Lit(1, 29)}},
    {"PushOnLitFlashesDark", 0, {{1, 29}, {2, 29}}, 12, {Lit(1, 29), Rest(2, 29), Lit(3, 29)}},
    {"PullOnDarkFlashesLit", 1, {{1, 30}, {2, 30}}, 12, {Rest(1, 29), Lit(2, 29), Rest(4, 29)}},
    // Metronome: 33 click, 34 bell
    {"ClickToggles", 0, {{1, 33}, {2, 33}, {3, 33}}, 12, {Lit(1, 33), Rest(2, 33), Lit(3, 33)}},
    {"BellFlashesForTheGap", 0, {{1, 34}, {2, 34}}, 12, {Rest(1, 33), Lit(2, 33), Rest(3, 33)}},
};

INSTANTIATE_TEST_SUITE_P(Looks, HitAnimationScript, ::testing::ValuesIn(kScripts),
                         [](const ::testing::TestParamInfo<Script>& script) {
                             return script.param.Name;
                         });

// Note-ons that must change nothing, whatever the instrument's state.
TEST(HitAnimation, IgnoresWhatIsNotADrumNoteOn)
{
    struct Case {
        const char* what;
        PackedMidiMessage message;
        std::uint16_t port;
    };
    const std::vector<Case> cases = {
        {"velocity 0", DrumNoteOn(38, 0), 1},
        {"another host port", DrumNoteOn(38), 3},
        {"another channel", PackedMidiMessage::pack(0x98, 38, 100), 1},
        {"note 26", DrumNoteOn(26), 1},
        {"note 88", DrumNoteOn(88), 1},
        {"note-off", PackedMidiMessage::pack(0x89, 38, 64), 0},
        {"poly pressure", PackedMidiMessage::pack(0xA9, 38, 64), 0},
        {"note byte out of MIDI range", DrumNoteOn(0xA6), 0},
    };
    for (const Case& c : cases) {
        DrumRig rig;
        rig.ring.write(c.port, c.message);
        rig.runTick(1);
        rig.runTick(2);
        EXPECT_TRUE(rig.canvas.drawn.empty()) << c.what;
    }
}

TEST(HitAnimation, AcceptsTheCurrentChannelAndPortAndAnyLiveInput)
{
    DrumRig rig;
    rig.settings.DrumPort = 5;
    rig.animation.ShowNoteOn(DrumNoteOn(38), 0);
    rig.animation.ShowNoteOn(DrumNoteOn(40), 5);
    rig.settings.DrumChannel = 1;
    rig.animation.ShowNoteOn(DrumNoteOn(41), 5);
    rig.animation.ShowNoteOn(PackedMidiMessage::pack(0x90, 43, 1), 5);
    EXPECT_EQ(rig.canvas.drawn, (std::vector<Drawn>{Lit(0, 38, kLive), Lit(0, 40), Lit(0, 43)}));
}

TEST(HitAnimation, HiddenInstrumentIsRevealedByItsFirstHitUntilTheNextOverlay)
{
    DrumRig rig;
    rig.settings.ShowAllInstruments = 0;
    rig.animation.ShowNoteOn(DrumNoteOn(39), 1); // Hand Clap, not in the standard kit
    rig.animation.ShowNoteOn(DrumNoteOn(38), 1); // Acoustic Snare, always shown
    rig.runTick(1);
    rig.canvas.tick = 2;
    rig.animation.ShowNoteOn(DrumNoteOn(39), 1);
    EXPECT_EQ(rig.canvas.drawn,
              (std::vector<Drawn>{Reveal(0, 39), Lit(0, 39), Lit(0, 38), Rest(2, 39)}));

    rig.canvas.drawn.clear();
    rig.animation.ShowUsedOverlay();
    int hidden = 0;
    for (const Drawn& drawn : rig.canvas.drawn)
        hidden += drawn.Kind == Drawn::Op::Black ? 1 : 0;
    EXPECT_EQ(hidden, 31); // every instrument outside the standard kit
    EXPECT_NE(std::find(rig.canvas.drawn.begin(), rig.canvas.drawn.end(),
                        Drawn{.Tick = 2, .Kind = Drawn::Op::Black, .Area = CoverArea(39)}),
              rig.canvas.drawn.end());
    const Drawn patch{.Tick = 2, .Area = QRect(QPoint(326, 73), QPoint(342, 94))};
    EXPECT_EQ(rig.canvas.drawn.back(), patch);

    rig.canvas.drawn.clear();
    rig.animation.ShowNoteOn(DrumNoteOn(39), 1);
    EXPECT_EQ(rig.canvas.drawn.front(), Reveal(2, 39));
}

TEST(HitAnimation, ShowAllInstrumentsNeitherHidesNorReveals)
{
    DrumRig rig;
    rig.animation.ShowUsedOverlay();
    rig.animation.ShowNoteOn(DrumNoteOn(39), 1);
    EXPECT_EQ(rig.canvas.drawn, (std::vector<Drawn>{Lit(0, 39)}));
}

TEST(HitAnimation, DrawsAtTheScaledAreas)
{
    DrumRig rig;
    rig.settings.ShowAllInstruments = 0;
    rig.kit.Rescale(0.25);
    rig.animation.ShowNoteOn(DrumNoteOn(36), 1);
    rig.animation.ShowUsedOverlay();
    // LitRect 258,289,297,398 and the patch 326,73,343,95, a quarter each, halves to even.
    EXPECT_EQ(rig.canvas.drawn.front().Area, QRect(QPoint(64, 72), QPoint(73, 99)));
    EXPECT_EQ(rig.canvas.drawn.back().Area, QRect(QPoint(82, 18), QPoint(85, 23)));
}

} // namespace
} // namespace velmar::drums::test
