#include "drums/core/TransportBar.h"

#include "drums/core/VirtualKeys.h"
#include "runtime/HostMessages.h"
#include "tests/drums/DrumTestRig.h"
#include "tests/drums/RecordingHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmar::drums::test {
namespace {

using Strip = TransportStrip;
using Look = TransportLook;

TEST(TransportStrips, ClickBoundariesAreMultiplesOfAnEighth)
{
    // The last x of each strip, left to right; the next x belongs to the next strip.
    const struct {
        int w;
        std::vector<int> lastX;
    } bars[] = {{336, {42, 84, 126, 168, 210, 252, 294}}, {150, {18, 37, 56, 75, 93, 112, 131}}};
    for (const auto& bar : bars) {
        for (std::size_t strip = 0; strip < bar.lastX.size(); ++strip) {
            const int x = bar.lastX[strip];
            EXPECT_EQ(StripAt(x, bar.w), static_cast<Strip>(strip)) << bar.w << " at " << x;
            EXPECT_EQ(StripAt(x + 1, bar.w), static_cast<Strip>(strip + 1))
                << bar.w << " at " << x + 1;
        }
        EXPECT_EQ(StripAt(0, bar.w), Strip::FullSize);
        EXPECT_EQ(StripAt(bar.w - 1, bar.w), Strip::Stop);
    }
}

TEST(TransportStrips, HintsCountFromTheRightEdge)
{
    // The first x of each hint from Stop leftwards to Full size.
    const struct {
        int w;
        std::vector<int> firstX;
    } bars[] = {{336, {294, 252, 210, 168, 126, 84, 42, 0}},
                {150, {132, 114, 96, 78, 60, 42, 24, 6}}};
    for (const auto& bar : bars) {
        std::uint16_t hint = 3780;
        for (const int x : bar.firstX) {
            EXPECT_EQ(StripHint(x, bar.w), hint) << bar.w << " at " << x;
            if (x > 0) {
                EXPECT_EQ(StripHint(x - 1, bar.w), hint - 1) << bar.w << " at " << x - 1;
            }
            --hint;
        }
    }
    EXPECT_EQ(StripHint(0, 150), 3772) << "the leftover edge: Press F1 for Help";
}

TEST(TransportStrips, SizeHighlightByWindowSize)
{
    EXPECT_EQ(SizeHighlightOf(-1), SizeHighlight::None);
    EXPECT_EQ(SizeHighlightOf(0), SizeHighlight::None);
    EXPECT_EQ(SizeHighlightOf(1), SizeHighlight::Full);
    EXPECT_EQ(SizeHighlightOf(2), SizeHighlight::Half);
    EXPECT_EQ(SizeHighlightOf(3), SizeHighlight::Quarter);
    EXPECT_EQ(SizeHighlightOf(7), SizeHighlight::Quarter);
}

class LookRecorder : public TransportView {
public:
    void ShowLook(TransportLook look) override { looks.push_back(look); }
    std::vector<TransportLook> looks;
};

struct TransportRig {
    TransportRig() { rig.settings.TransportKeys = kTransportKeysOn; }

    DrumRig rig;
    RecordingHost host;
    LookRecorder view;
    TransportBar bar{rig.settings, rig.intake.transport(), host, rig.animation, view};

    [[nodiscard]] TransportState state() { return rig.intake.transport().state(); }
    void setState(TransportState state) { rig.intake.transport().setState(state); }
};

struct Command {
    std::string name;
    TransportState before;
    int x; // on a bar 336 wide
    std::vector<Look> looks;
    std::vector<ToHost> messages;
    TransportState after;
};

void PrintTo(const Command& command, std::ostream* out)
{
    *out << command.name;
}

class TransportCommands : public ::testing::TestWithParam<Command> {};

TEST_P(TransportCommands, PostTheirMessagesAndHoldTheState)
{
    const Command& command = GetParam();
    TransportRig t;
    t.setState(command.before);
    EXPECT_EQ(t.bar.MouseDown(command.x, 336), std::nullopt);
    EXPECT_EQ(t.view.looks, command.looks);
    EXPECT_EQ(t.host.messages, command.messages);
    EXPECT_EQ(t.state(), command.after);
}

constexpr auto kStopped = TransportState::Stopped;
constexpr auto kPlaying = TransportState::Playing;
constexpr auto kRecording = TransportState::Recording;

INSTANTIATE_TEST_SUITE_P(
    TransportBar, TransportCommands,
    ::testing::Values(
        Command{"StopWhilePlaying", kPlaying, 295, {Look::Stop}, {Posted(HostCmdStop)}, kStopped},
        Command{"RewindStopsFirst",
                kRecording,
                294,
                {Look::Rewind},
                {Posted(HostCmdStop), Posted(HostCmdRewind)},
                kStopped},
        Command{"PlayWhenStopped", kStopped, 230, {Look::Play}, {Posted(HostCmdPlay)}, kPlaying},
        Command{"PlayWhileRecordingDoesNothing", kRecording, 230, {}, {}, kRecording},
        Command{"RecordRewindsFirst",
                kStopped,
                190,
                {Look::Record},
                {Posted(HostCmdStop), Posted(HostCmdRewind), Posted(HostCmdRecord)},
                kRecording},
        Command{"RecordWhilePlayingDoesNothing", kPlaying, 190, {}, {}, kPlaying},
        Command{"SettingsOnlyShowsItsLook", kPlaying, 150, {Look::Settings}, {}, kPlaying}));

TEST(TransportBar, WindowSizeStripsAskForTheirWidth)
{
    const struct {
        int x;
        std::int16_t windowSize;
        int width;
    } strips[] = {{0, 1, 600}, {42, 1, 600}, {43, 2, 300}, {126, 3, 150}};
    for (const auto& strip : strips) {
        TransportRig t;
        t.rig.settings.WindowSize = 0;
        EXPECT_EQ(t.bar.MouseDown(strip.x, 336), strip.width) << strip.x;
        EXPECT_EQ(t.rig.settings.WindowSize, strip.windowSize) << strip.x;
        EXPECT_TRUE(t.host.messages.empty());
    }
}

TEST(TransportBar, MouseUpShowsTheStateThenTheSettingsOnceThenTheOverlay)
{
    TransportRig t;
    t.rig.settings.ShowAllInstruments = 0;
    t.setState(kRecording);
    std::vector<std::string> order;
    const auto settings = [&] {
        order.push_back("dialog");
        EXPECT_EQ(t.view.looks.back(), Look::Record) << "the state shows before the dialog";
        EXPECT_TRUE(t.rig.canvas.drawn.empty()) << "the overlay comes after the dialog";
    };

    (void)t.bar.MouseDown(150, 336);
    t.bar.MouseUp(settings);
    EXPECT_EQ(order, std::vector<std::string>{"dialog"});
    EXPECT_EQ(t.view.looks, (std::vector<Look>{Look::Settings, Look::Record}));
    EXPECT_FALSE(t.rig.canvas.drawn.empty()) << "the overlay ran";

    t.bar.MouseUp(settings);
    EXPECT_EQ(order.size(), 1U) << "the dialog is asked for once per press";
}

TEST(TransportBar, PaintShowsTheHeldState)
{
    TransportRig t;
    const std::pair<TransportState, Look> states[] = {
        {kStopped, Look::Stop}, {kPlaying, Look::Play}, {kRecording, Look::Record}};
    for (const auto& [state, look] : states) {
        t.setState(state);
        t.bar.TransportPaint();
        EXPECT_EQ(t.view.looks.back(), look);
    }
}

struct Key {
    std::string name;
    std::int16_t transportKeys;
    bool ctrl;
    TransportState before;
    int virtualKey;
    bool taken;
    std::vector<ToHost> messages;
    bool overlay = true; // the used-instruments overlay runs after an allowed key
};

void PrintTo(const Key& key, std::ostream* out)
{
    *out << key.name;
}

class TransportKeys : public ::testing::TestWithParam<Key> {};

TEST_P(TransportKeys, ActOnlyWhenTheSettingAllows)
{
    const Key& key = GetParam();
    TransportRig t;
    t.rig.settings.TransportKeys = key.transportKeys;
    t.rig.settings.ShowAllInstruments = 0;
    t.setState(key.before);
    EXPECT_EQ(t.bar.KeyDown(key.virtualKey, key.ctrl), key.taken);
    EXPECT_EQ(t.host.messages, key.messages);
    EXPECT_EQ(!t.rig.canvas.drawn.empty(), key.overlay);
}

INSTANTIATE_TEST_SUITE_P(
    TransportBar, TransportKeys,
    ::testing::Values(
        Key{"SpacePlays", kTransportKeysOn, false, kStopped, kVkSpace, true, {Posted(HostCmdPlay)}},
        Key{"SpaceStopsWhileRecording",
            kTransportKeysOn,
            false,
            kRecording,
            kVkSpace,
            true,
            {Posted(HostCmdStop)}},
        Key{"ReturnRewinds",
            kTransportKeysOn,
            false,
            kPlaying,
            kVkReturn,
            true,
            {Posted(HostCmdStop), Posted(HostCmdRewind)}},
        Key{"TabRecords",
            kTransportKeysOn,
            false,
            kStopped,
            kVkTab,
            true,
            {Posted(HostCmdStop), Posted(HostCmdRewind), Posted(HostCmdRecord)}},
        Key{"TabWhilePlayingDoesNothing", kTransportKeysOn, false, kPlaying, kVkTab, true, {}},
        Key{"CtrlSettingSpaceAloneDoesNothing",
            kTransportKeysCtrl,
            false,
            kStopped,
            kVkSpace,
            true,
            {},
            false},
        Key{"CtrlSettingCtrlSpacePlays",
            kTransportKeysCtrl,
            true,
            kStopped,
            kVkSpace,
            true,
            {Posted(HostCmdPlay)}},
        Key{"OffSettingCtrlReturnDoesNothing",
            kTransportKeysOff,
            true,
            kPlaying,
            kVkReturn,
            true,
            {},
            false},
        Key{"OtherKeysAreNotTheTransports",
            kTransportKeysOn,
            false,
            kStopped,
            'X',
            false,
            {},
            false}));

TEST(TransportBar, ReturnReleaseShowsStopWhenAllowed)
{
    TransportRig t;
    EXPECT_TRUE(t.bar.KeyUp(kVkReturn, false));
    EXPECT_EQ(t.view.looks, std::vector<Look>{Look::Stop});

    t.rig.settings.TransportKeys = kTransportKeysOff;
    EXPECT_TRUE(t.bar.KeyUp(kVkReturn, true));
    EXPECT_EQ(t.view.looks.size(), 1U);

    EXPECT_FALSE(t.bar.KeyUp(kVkSpace, false)) << "released to the drums";
    EXPECT_FALSE(t.bar.KeyUp(kVkTab, false));
}

} // namespace
} // namespace velmar::drums::test
