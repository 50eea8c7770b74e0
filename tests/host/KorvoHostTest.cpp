#include "host/KorvoHost.h"

#include "host/DemoSong.h"
#include "host/IdleExit.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <signal.h>
#include <vector>

namespace velmar::host {
namespace {

using platform::SendMessageA;
using velmar::test::ChildProcess;

// A host run in this process, with a clock the test moves, and a plug-in beside it: a
// window of its own and the host link block joined.
class KorvoHostTest : public ::testing::Test {
protected:
    void startHost(KorvoOptions options = {}, Song song = DemoSong(1))
    {
        host = std::make_unique<KorvoHost>(
            options, std::move(song),
            [this] {
                if (onClockRead)
                    onClockRead();
                return now;
            },
            [this](const std::string& line) { status.push_back(line); });
        map = SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
        block.emplace(map->Data());
    }

    platform::LRESULT send(platform::UINT message, platform::WPARAM w = 0, platform::LPARAM l = 0)
    {
        return SendMessageA(host->window(), message, w, l);
    }

    std::vector<RingEvent> drain()
    {
        std::vector<RingEvent> events;
        block->Drain([&](const RingEvent& event) { events.push_back(event); });
        return events;
    }

    // Runs the song to its end in steps, taking the ring's events as a plug-in would.
    std::vector<RingEvent> playThrough(std::uint32_t stepMs)
    {
        std::vector<RingEvent> events;
        for (std::uint32_t t = 0; t <= host->sequencer().song().lengthMs + stepMs; t += stepMs) {
            now += stepMs;
            host->Tick();
            for (const RingEvent& event : drain())
                events.push_back(event);
        }
        return events;
    }

    std::string sysExBytes(const RingEvent& start, const RingEvent& end) const
    {
        const auto view = block->SysEx(HostLinkBlock::SysExPosition(start.Message),
                                       HostLinkBlock::SysExPosition(end.Message));
        std::string bytes;
        for (const auto& part : {view->head, view->tail})
            for (const std::byte b : part)
                bytes.push_back(static_cast<char>(b));
        return bytes;
    }

    velmar::test::ScopedSession session;
    std::uint32_t now = 5000;
    std::function<void()> onClockRead;
    std::vector<std::string> status;
    std::vector<platform::WPARAM> marks;
    std::unique_ptr<platform::WindowEndpoint> plugInWindow = platform::WindowEndpoint::create(
        [this](platform::UINT message, platform::WPARAM w, platform::LPARAM) {
            if (message == HostMsgSetMark)
                marks.push_back(w);
            return platform::LRESULT{1};
        });
    std::unique_ptr<KorvoHost> host;
    std::unique_ptr<SharedMemory> map;
    std::optional<HostLinkBlock> block;
};

TEST_F(KorvoHostTest, IdentifiesItselfAndTakesOnePlugInAtATime)
{
    startHost();
    EXPECT_EQ(send(HostQueryIdentify), HostIdentifyReply);
    EXPECT_EQ(send(HostCmdSignIn, 0, map->Handle()), HostSignInAccepted);
    EXPECT_EQ(host->plugInWindow(), plugInWindow->hwnd());
    EXPECT_EQ(send(HostCmdSignIn), HostSignInAccepted) << "the same plug-in again";

    char hostWindow[16];
    std::snprintf(hostWindow, sizeof hostWindow, "%x", host->window());
    auto otherPlugIn = [&] {
        auto process = std::make_unique<ChildProcess>(
            VELMAR_MESSAGE_PEER, std::vector<std::string>{"plug-in", hostWindow});
        EXPECT_EQ(process->readLine().rfind("ready ", 0), 0U);
        return process;
    };
    // The answer comes while we serve the host's window, so read it without blocking here.
    auto answerOf = [&](ChildProcess& process) {
        std::string line;
        for (int i = 0; i < 500 && line.empty(); ++i) {
            platform::dispatchMessages();
            line = process.readLine(10);
        }
        return line;
    };

    auto second = otherPlugIn();
    EXPECT_EQ(answerOf(*second), "signed 0") << "refused while we are signed in";
    send(HostCmdSignOff);
    EXPECT_FALSE(host->signedIn());
    auto third = otherPlugIn();
    EXPECT_EQ(answerOf(*third), "signed 1");
    EXPECT_EQ(send(HostCmdSignIn), 0) << "now the other one is signed in";
    third->kill(SIGKILL);
    third->wait();
    EXPECT_EQ(send(HostCmdSignIn), HostSignInAccepted) << "its window is gone with it";
}

TEST_F(KorvoHostTest, TransportCommandsAndQueries)
{
    KorvoOptions options;
    options.windowMode = 2;
    options.drumDelayMs = 150;
    startHost(options);
    EXPECT_EQ(send(HostQueryWindowMode), 2);
    EXPECT_EQ(send(HostQueryDrumDelay), 150);
    EXPECT_EQ(send(HostQueryRunning), 0);
    send(HostCmdPlay);
    EXPECT_NE(send(HostQueryRunning), 0);
    EXPECT_NE(send(HostQueryRecording), HostRecordingReply);
    send(HostCmdRecord);
    EXPECT_NE(send(HostQueryRunning), 0);
    EXPECT_EQ(send(HostQueryRecording), HostRecordingReply);
    send(HostCmdStop);
    EXPECT_EQ(send(HostQueryRunning), 0);
    EXPECT_EQ(send(HostQueryRecording), 0);
    EXPECT_FALSE(status.empty());
    EXPECT_NE(status.back().find("stopped"), std::string::npos) << status.back();
}

TEST_F(KorvoHostTest, DemoSongReachesTheRingInOrderWithItsPortsSysExAndBarMarks)
{
    startHost({}, DemoSong(3));
    send(HostCmdSignIn);
    send(HostCmdPlay);
    const std::vector<RingEvent> events = playThrough(10);

    std::size_t at = 0;
    for (const SongEvent& expected : host->sequencer().song().events) {
        ASSERT_LT(at, events.size());
        if (expected.isSysEx()) {
            ASSERT_LT(at + 1, events.size());
            EXPECT_EQ(events[at].Message.status(), 0xF0);
            EXPECT_EQ(events[at + 1].Message.status(), 0xF7);
            EXPECT_EQ(sysExBytes(events[at], events[at + 1]),
                      std::string(expected.sysEx.begin(), expected.sysEx.end()));
            at += 2;
            continue;
        }
        EXPECT_EQ(events[at].Message, expected.message) << "event " << at;
        EXPECT_EQ(events[at].Source, expected.port) << "event " << at;
        ++at;
    }
    EXPECT_EQ(at, events.size());
    EXPECT_EQ(marks, (std::vector<platform::WPARAM>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14,
                                                    15, 16}));
    EXPECT_EQ(send(HostQueryRunning), 0) << "stops by itself at the end";
    EXPECT_EQ(host->counters().heldBack, 0U);
}

TEST_F(KorvoHostTest, AFullRingHoldsEventsBackAndLosesNone)
{
    Song song; // 2500 notes, one a millisecond
    for (std::uint32_t i = 0; i < 2500; ++i)
        song.events.push_back({i, 2, PackedMidiMessage(0x90U | (i << 8U)), {}});
    song.lengthMs = 3000;
    startHost({}, song);
    send(HostCmdSignIn);
    send(HostCmdPlay);
    now += 2600; // a plug-in that reads nothing for 2.6 seconds
    host->Tick();
    std::vector<RingEvent> events = drain();
    EXPECT_EQ(events.size(), 999U);
    now += 500;
    for (int i = 0; i < 3; ++i) {
        host->Tick();
        for (const RingEvent& event : drain())
            events.push_back(event);
    }
    ASSERT_EQ(events.size(), song.events.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        ASSERT_EQ(events[i].Message, song.events[i].message) << i;
    EXPECT_EQ(host->counters().written, song.events.size());
    EXPECT_EQ(host->counters().heldBack, song.events.size() - 999);
    EXPECT_EQ(host->counters().longestHoldMs, 500U);
}

// A flood's events written at the host's first try were held back by nothing, however late
// its tick came after their time; those that found the ring full wait from then.
TEST_F(KorvoHostTest, AFloodCountsAsHeldBackOnlyWhatWaitedForRoom)
{
    KorvoOptions options;
    options.flood = FloodOptions{10'000, 0};
    startHost(options);
    send(HostCmdSignIn);
    send(HostCmdPlay);
    std::uint64_t taken = 0;
    const auto tickAfter = [&](std::uint32_t ms) {
        now += ms;
        host->Tick();
        taken += drain().size();
    };
    for (int tick = 0; tick < 10; ++tick)
        tickAfter(7); // 70 events a tick, the first of them 7 ms after its time
    EXPECT_EQ(host->counters().heldBack, 0U);

    // A plug-in that reads nothing for 150 ms: 1,500 events for a ring that holds 999. A
    // millisecond passes at each look at the clock while the host waits for room.
    onClockRead = [&] {
        if (host->counters().written - taken >= 999)
            ++now;
    };
    const std::uint32_t foundFull = now + 150 + 1;
    tickAfter(150);
    EXPECT_EQ(taken, 700U + 999U);
    tickAfter(20);
    // 10 events a millisecond for 70 + 150 + 1 + 20 ms, all taken.
    EXPECT_EQ(taken, 2410U);
    EXPECT_EQ(host->counters().written, 2410U);
    // Those due by the millisecond the ring was found full (221) waited for room from then;
    // the 190 due since were written at the first try.
    EXPECT_EQ(host->counters().heldBack, 2220U - (700U + 999U));
    EXPECT_EQ(host->counters().longestHoldMs, now - foundFull);
}

// The transport reads as stopped only once the song's last events are all in the ring, so a
// plug-in that sees it stop has seen the whole song.
TEST_F(KorvoHostTest, TheSongEndsOnlyOnceItsLastEventsAreWritten)
{
    Song song; // 1500 notes in the song's last millisecond, more than the ring holds
    for (std::uint32_t i = 0; i < 1500; ++i)
        song.events.push_back({999, 2, PackedMidiMessage(0x90U | ((i % 128) << 8U)), {}});
    song.lengthMs = 1000;
    startHost({}, song);
    send(HostCmdSignIn);
    send(HostCmdPlay);
    now += 1100;
    host->Tick();
    EXPECT_FALSE(host->sequencer().running());
    EXPECT_EQ(send(HostQueryRunning), 1) << "events still wait for room";
    std::size_t taken = drain().size();
    host->Tick();
    EXPECT_EQ(send(HostQueryRunning), 0);
    taken += drain().size();
    EXPECT_EQ(taken, song.events.size());

    // Signed off meanwhile: nobody reads the ring, and the song ends at once.
    send(HostCmdPlay);
    now += 1100;
    host->Tick();
    EXPECT_EQ(send(HostQueryRunning), 1);
    send(HostCmdSignOff);
    host->Tick();
    EXPECT_EQ(send(HostQueryRunning), 0);
}

// Nobody is left to hear or stop the song: it stops when its plug-in signs off, and when
// the plug-in's window goes without signing off; a take being recorded is written.
TEST_F(KorvoHostTest, TheTransportStopsWhenThePlugInSignsOffOrItsWindowGoes)
{
    KorvoOptions options;
    options.loop = true;
    startHost(options);
    send(HostCmdSignIn);
    send(HostCmdPlay);
    host->Tick();
    ASSERT_TRUE(host->sequencer().running());
    send(HostCmdSignOff);
    EXPECT_FALSE(host->sequencer().running());
    EXPECT_FALSE(host->PlugInsThere()) << "korvo's and the test's windows are one process";

    send(HostCmdSignIn);
    send(HostCmdRecord);
    now += 100;
    host->Tick();
    plugInWindow.reset();
    now += 10;
    host->Tick();
    EXPECT_TRUE(host->signedIn()) << "looked at a few times a second, not at every tick";
    now += 300;
    host->Tick();
    EXPECT_FALSE(host->signedIn());
    EXPECT_EQ(host->sequencer().state(), TransportState::Stopped);
}

// A song opened from the tray replaces the one playing: the transport stops first, and a
// take being recorded is not lost.
TEST_F(KorvoHostTest, ANewSongStopsTheTransportAndKeepsTheTake)
{
    KorvoOptions options;
    options.writeTakes = true;
    options.recordTo = (session.root() / "take.mid").string();
    startHost(options);
    std::vector<std::pair<std::string, std::string>> takes;
    host->SetTakeListener([&](const std::string& path, const std::string& error) {
        takes.emplace_back(path, error);
    });
    send(HostCmdSignIn);
    send(HostCmdRecord);
    send(HostCmdRecordEvent, 0, PackedMidiMessage::pack(0x90, 60, 100).value());
    Song other;
    other.lengthMs = 1234;
    host->ReplaceSong(other);
    EXPECT_FALSE(host->sequencer().running());
    EXPECT_EQ(host->sequencer().song().lengthMs, 1234U);
    EXPECT_EQ(takes, (std::vector<std::pair<std::string, std::string>>{{options.recordTo, ""}}));
    host->SetLoop(true);
    EXPECT_TRUE(host->sequencer().loop());
}

TEST(IdleExit, EndsTenSecondsAfterTheLastPlugInUnlessStartedByHandOrTakenOver)
{
    IdleExit started(true);
    EXPECT_FALSE(started.Due(1000, true));
    EXPECT_FALSE(started.Due(2000, false));
    EXPECT_FALSE(started.Due(11'999, false));
    EXPECT_FALSE(started.Due(12'000, true)) << "one came back";
    EXPECT_FALSE(started.Due(13'000, false));
    EXPECT_TRUE(started.Due(23'000, false));

    IdleExit wrapping(true); // the millisecond clock wraps after 49 days
    EXPECT_FALSE(wrapping.Due(0xFFFF'FF00U, false));
    EXPECT_TRUE(wrapping.Due(10'000, false));

    IdleExit byHand(false);
    EXPECT_FALSE(byHand.Due(0, false));
    EXPECT_FALSE(byHand.Due(60'000, false));
    IdleExit takenOver(true);
    EXPECT_FALSE(takenOver.Due(0, false));
    takenOver.TakenOverByUser();
    EXPECT_FALSE(takenOver.Due(60'000, false));
}

TEST_F(KorvoHostTest, PlaysAndRecordsWhatThePlugInSendsAndRefusesWhatIsNoMidi)
{
    startHost();
    send(HostCmdSignIn);
    const auto noteOn = PackedMidiMessage::pack(0x99, 36, 100).value();
    send(HostCmdPlayEvent, 10, noteOn);
    const auto events = drain();
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(events[0], (RingEvent{10, PackedMidiMessage(noteOn)}));
    EXPECT_EQ(status.back(), "korvo: port 10 plays 99 24 64");

    for (const auto& [port, message] :
         std::vector<std::pair<platform::WPARAM, platform::LPARAM>>{{0, noteOn},
                                                                    {17, noteOn},
                                                                    {-1, noteOn},
                                                                    {1, 0x7F},
                                                                    {1, 0x01'00'24'99},
                                                                    {1, 0xF8},
                                                                    {1, -1}})
        send(HostCmdPlayEvent, port, message);
    EXPECT_TRUE(drain().empty());
    EXPECT_EQ(host->counters().refused, 7U);

    send(HostCmdRecord);
    now += 250;
    platform::PostMessageA(host->window(), HostCmdRecordEvent, 0, noteOn);
    platform::PostMessageA(host->window(), HostCmdRecordEvent, 0, 0x12345678);
    send(HostQueryRunning);       // the posts arrive with it, and wait while it is answered
    platform::dispatchMessages(); // ... until now
    ASSERT_EQ(host->sequencer().take().size(), 1U);
    EXPECT_EQ(host->sequencer().take()[0].timeMs, 250U);
}

TEST_F(KorvoHostTest, NothingGoesIntoTheRingWithoutAPlugIn)
{
    startHost();
    send(HostCmdPlay);
    now += 3000;
    host->Tick();
    EXPECT_TRUE(drain().empty());
    EXPECT_TRUE(marks.empty());
}

} // namespace
} // namespace velmar::host
