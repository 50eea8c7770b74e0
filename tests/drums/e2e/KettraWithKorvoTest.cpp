#include "drums/core/KitTable.h"
#include "drums/ui/PicturePanel.h"
#include "host/DemoSong.h"
#include "host/KorvoHost.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/platform/Clock.h"
#include "runtime/platform/Processes.h"
#include "tests/drums/ui/FormRig.h"
#include "tests/support/ChildProcess.h"

#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <map>
#include <set>
#include <thread>

namespace velmar::drums::test {
namespace {

using Clock = std::chrono::steady_clock;

constexpr QPoint kBassDrum1{300, 330}; // inside note 36's HitRect
constexpr int kBassDrumAnchor = 9;

// Rows that own a LitRect: every instrument but the grouped ones other than their anchor.
std::vector<int> anchors()
{
    std::vector<int> rows;
    for (int index = 0; index < kInstrumentCount; ++index)
        if (GroupAnchor(index) == index)
            rows.push_back(index);
    return rows;
}

// The anchors of the drum notes the demo song plays on channel 10.
std::set<int> songAnchors()
{
    std::set<int> rows;
    for (const host::SongEvent& event : host::DemoSong(1).events) {
        const PackedMidiMessage message = event.message;
        if (message.status() == 0x99 && message.data2() > 0)
            if (const std::optional<int> row = InstrumentForNote(message.data1()))
                rows.insert(GroupAnchor(*row));
    }
    return rows;
}

// Every event slot of the shared ring, whatever has been read already.
std::vector<RingEvent> ringSlots(const DrumWindow& form)
{
    const std::byte* block = form.Link.Map().Data();
    std::vector<RingEvent> slots;
    for (std::size_t slot = 0; slot <= HostLinkBlock::kLastSlot; ++slot) {
        const std::byte* at = block + HostLinkBlock::kSlotOffset + slot * HostLinkBlock::kSlotSize;
        RingEvent event;
        std::uint32_t message = 0;
        std::memcpy(&event.Source, at, 2);
        std::memcpy(&message, at + 2, 4);
        event.Message = PackedMidiMessage(message);
        slots.push_back(event);
    }
    return slots;
}

// The drum window in this process with the real korvo program, started by the test.
class KettraWithKorvo : public ::testing::Test {
protected:
    void SetUp() override
    {
        korvo = std::make_unique<velmar::test::ChildProcess>(VELMAR_KORVO,
                                                             std::vector<std::string>{"--quiet"});
        const auto end = Clock::now() + std::chrono::seconds(10);
        while (korvoWindow == 0 && Clock::now() < end) {
            for (const platform::HWND hwnd : platform::EnumWindows())
                if (platform::GetWindowThreadProcessId(hwnd) ==
                    static_cast<std::uint32_t>(korvo->pid()))
                    korvoWindow = hwnd;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_NE(korvoWindow, 0U) << "korvo did not show its window";
    }
    void create(const KettraSettings& settings = {})
    {
        rig.WriteSettings(settings);
        ASSERT_TRUE(rig.Create());
        form = &rig.Form();
    }
    void TearDown() override
    {
        rig.Destroy();
        korvo->kill(SIGTERM);
        EXPECT_EQ(korvo->wait(), 0);
    }

    [[nodiscard]] QRect litRect(int index) const
    {
        ScaledKit kit;
        kit.Rescale(form->Scale());
        return kit.LitRect(index);
    }
    [[nodiscard]] bool showsLit(const QImage& panel, int index) const
    {
        const QRect area = litRect(index);
        return SameArea(panel, form->Pictures().Kit(KitPicture::HitImage), area) &&
               !SameArea(panel, form->Pictures().Kit(KitPicture::KitImage), area);
    }

    FormRig rig{FormRig::Host::KorvoProgram};
    std::unique_ptr<velmar::test::ChildProcess> korvo;
    platform::HWND korvoWindow = 0;
    DrumWindow* form = nullptr;
};

TEST_F(KettraWithKorvo, AClickedBassDrumIsPlayedOnTheDrumPortAndComesBackLit)
{
    create();
    QTest::mouseClick(form->DrumSpace, Qt::LeftButton, {}, kBassDrum1);
    const RingEvent expected{1, PackedMidiMessage(0x005A2499)};
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const std::vector<RingEvent> slots = ringSlots(*form);
        return std::find(slots.begin(), slots.end(), expected) != slots.end();
    })) << "korvo writes the note it plays into the ring, with the drum port as its source";
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsLit(rig.Panel(), kBassDrumAnchor); }))
        << "the host's note lights the bass drum in the host-playback colour";
}

TEST_F(KettraWithKorvo, TheDemoSongLightsTheInstrumentsItPlays)
{
    KettraSettings longestHits;
    longestHits.DurationBoost = 10;
    create(longestHits);
    QTest::keyClick(form, Qt::Key_Space, Qt::ControlModifier);
    const std::set<int> played = songAnchors();
    std::set<int> seen;
    std::size_t mostAtOnce = 0;
    // Count-in, grooves and fills: the first six bars take 12 s.
    const auto end = Clock::now() + std::chrono::seconds(14);
    while (seen.size() < 12 && Clock::now() < end) {
        QTest::qWait(5);
        const QImage panel = rig.Panel();
        std::size_t atOnce = 0;
        for (const int row : anchors()) {
            if (!showsLit(panel, row))
                continue;
            ++atOnce;
            EXPECT_TRUE(played.contains(row)) << "note " << int{KitRow(row).Note};
            seen.insert(row);
        }
        if (atOnce > mostAtOnce) {
            mostAtOnce = atOnce;
            SaveGrab(*form, QStringLiteral("kettra-demo-song"));
        }
    }
    EXPECT_GE(seen.size(), 12U);
}

TEST_F(KettraWithKorvo, TheHostStoppingByItselfShowsStopWithinTenTicks)
{
    create();
    form->TickTimer->stop(); // the ticks are counted below
    QTest::keyClick(form, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(form->ShownLook(), TransportLook::Play);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return platform::SendMessageA(korvoWindow, HostQueryRunning, 0, 0) != 0; }));
    rig.RunTicks(10);
    EXPECT_EQ(form->ShownLook(), TransportLook::Play) << "korvo plays";
    platform::SendMessageA(korvoWindow, HostCmdStop, 0, 0);
    rig.RunTicks(10);
    EXPECT_EQ(form->ShownLook(), TransportLook::Stop);
}

// korvo keeps its take to itself; in this process the same host records what it is given.
TEST(KettraRecording, ANotePlayedWhileRecordingLandsInTheHostsTake)
{
    FormRig rig(FormRig::Host::ThisProcess);
    host::KorvoHost korvo({}, host::DemoSong(1), platform::timeGetTime, {});
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, &clock, [&korvo] { korvo.Tick(); });
    clock.start(1);
    ASSERT_TRUE(rig.Create());
    DrumWindow& form = rig.Form();

    QTest::keyClick(&form, Qt::Key_Tab, Qt::ControlModifier);
    // A poll that comes before the host has taken the command shows it stopped for a while.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return korvo.sequencer().state() == host::TransportState::Recording &&
               form.ShownLook() == TransportLook::Record;
    }));
    QTest::mouseClick(form.DrumSpace, Qt::LeftButton, {}, kBassDrum1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return korvo.sequencer().take().size() == 2; }));
    EXPECT_EQ(korvo.sequencer().take()[0].message, PackedMidiMessage(0x005A2499));
    EXPECT_EQ(korvo.sequencer().take()[1].message, PackedMidiMessage(0x00402489));
    rig.Destroy();
}

} // namespace
} // namespace velmar::drums::test
