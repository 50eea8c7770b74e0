#include "host/FloodSource.h"
#include "host/KorvoHost.h"
#include "host/SmfSong.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "tests/support/ScopedSession.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace velmar::host {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An output port in this process: keeps what is sent to it.
class FakeOutput : public MidiOutput {
public:
    explicit FakeOutput(std::vector<Bytes>& sent)
        : m_sent(sent)
    {}
    void Send(std::span<const std::uint8_t> bytes) override
    {
        m_sent.emplace_back(bytes.begin(), bytes.end());
    }

private:
    std::vector<Bytes>& m_sent;
};

// korvo run in this process with fake MIDI ports: outputs on ports 1 and 10, and an input
// that a test thread feeds as a port's own thread would.
class KorvoMidiPortsTest : public ::testing::Test {
protected:
    void startHost(KorvoOptions options, Song song)
    {
        auto ports = std::make_unique<MidiPorts>();
        ports->AddOutput(1, std::make_unique<FakeOutput>(sentTo1));
        ports->AddOutput(10, std::make_unique<FakeOutput>(sentTo10));
        input = &ports->input();
        host = std::make_unique<KorvoHost>(
            options, std::move(song), [this] { return now; },
            [this](const std::string& line) { status.push_back(line); }, std::move(ports));
        map = SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
        block.emplace(map->Data());
        send(HostCmdSignIn, 0, map->Handle());
    }

    platform::LRESULT send(platform::UINT message, platform::WPARAM w = 0, platform::LPARAM l = 0)
    {
        return platform::SendMessageA(host->window(), message, w, l);
    }

    std::vector<RingEvent> tickAndDrain()
    {
        ++now;
        host->Tick();
        std::vector<RingEvent> events;
        block->Drain([&](const RingEvent& event) { events.push_back(event); });
        return events;
    }

    static std::int64_t stamp() { return 0; }

    velmar::test::ScopedSession session;
    std::uint32_t now = 1000;
    std::vector<std::string> status;
    std::vector<Bytes> sentTo1;
    std::vector<Bytes> sentTo10;
    MidiInputQueue* input = nullptr;
    std::unique_ptr<platform::WindowEndpoint> plugInWindow = platform::WindowEndpoint::create(
        [](platform::UINT, platform::WPARAM, platform::LPARAM) { return platform::LRESULT{1}; });
    std::unique_ptr<KorvoHost> host;
    std::unique_ptr<SharedMemory> map;
    std::optional<HostLinkBlock> block;
};

TEST_F(KorvoMidiPortsTest, PlaysEachEventToItsPortAndIntoTheRing)
{
    Song song;
    song.events = {
        {0, 1, PackedMidiMessage::pack(0x90, 60, 100), {}},
        {0, 10, PackedMidiMessage::pack(0x99, 36, 100), {}},
        {5, 1, PackedMidiMessage::pack(0xF0, 0, 0), {0x43, 0x10}},
        {5, 3, PackedMidiMessage::pack(0xC2, 4, 0), {}}, // port 3 is not mapped
    };
    song.lengthMs = 10;
    startHost({}, song);
    send(HostCmdPlay);
    std::vector<RingEvent> ring;
    for (int i = 0; i < 20; ++i)
        for (const RingEvent& event : tickAndDrain())
            ring.push_back(event);

    EXPECT_EQ(sentTo1, (std::vector<Bytes>{{0x90, 60, 100}, {0xF0, 0x43, 0x10, 0xF7}}));
    EXPECT_EQ(sentTo10, (std::vector<Bytes>{{0x99, 36, 100}}));
    std::vector<std::uint16_t> sources;
    for (const RingEvent& event : ring)
        sources.push_back(event.Source);
    EXPECT_EQ(sources, (std::vector<std::uint16_t>{1, 10, 1, 1, 3})) << "F0 and F7 for the SysEx";

    send(HostCmdPlayEvent, 10, PackedMidiMessage::pack(0x89, 36, 64).value());
    EXPECT_EQ(sentTo10.back(), (Bytes{0x89, 36, 64}));
}

TEST_F(KorvoMidiPortsTest, EveryInputMessageReachesTheRingOnceInOrderFromSourceZero)
{
    startHost({}, Song{});
    constexpr std::uint64_t kCount = 20'000; // twenty rings full
    std::thread port([&] {
        for (std::uint64_t i = 0; i < kCount;) {
            const PackedMidiMessage message = FloodSource::EventAt(i);
            const Bytes bytes{message.status(), message.data1(), message.data2()};
            if (input->Push(bytes, stamp()))
                ++i;
            else
                std::this_thread::yield();
        }
        input->Push(Bytes{0xF0, 0x7E, 0x01, 0xF7}, stamp());
        input->Push(Bytes{0x90, 0x80, 0x00}, stamp()); // no MIDI: refused
        input->Push(Bytes{0xF8}, stamp());
    });
    std::vector<RingEvent> ring;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (ring.size() < kCount + 3 && std::chrono::steady_clock::now() < giveUp)
        for (const RingEvent& event : tickAndDrain())
            ring.push_back(event);
    port.join();
    for (int i = 0; i < 3; ++i)
        for (const RingEvent& event : tickAndDrain())
            ring.push_back(event);

    ASSERT_EQ(ring.size(), kCount + 3);
    std::uint64_t wrong = 0;
    for (std::uint64_t i = 0; i < kCount; ++i)
        wrong += ring[i] == RingEvent{0, FloodSource::EventAt(i)} ? 0 : 1;
    EXPECT_EQ(wrong, 0U);
    EXPECT_EQ(ring[kCount].Message.status(), 0xF0);
    EXPECT_EQ(ring[kCount + 1].Message.status(), 0xF7);
    EXPECT_EQ(ring[kCount + 2], (RingEvent{0, PackedMidiMessage::pack(0xF8, 0, 0)}));
    EXPECT_EQ(host->counters().received, kCount + 2);
    EXPECT_EQ(host->counters().refused, 1U);
    EXPECT_TRUE(sentTo1.empty()) << "input is not echoed to an output";
}

TEST_F(KorvoMidiPortsTest, RecordsInputAndPlugInMessagesAndWritesTheTakeAtStop)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    KorvoOptions options;
    options.writeTakes = true;
    options.recordTo = directory.filePath(QStringLiteral("take.mid")).toStdString();
    Song song;
    song.lengthMs = 60'000;
    startHost(options, song);

    send(HostCmdRecord);
    now += 100;
    input->Push(Bytes{0x90, 64, 90}, stamp());
    input->Push(Bytes{0xFE}, stamp()); // active sensing goes to the ring but not into a file
    input->Push(Bytes{0xF0, 0x41, 0x10, 0x42, 0xF7}, stamp());
    tickAndDrain();
    now += 400;
    platform::PostMessageA(host->window(), HostCmdRecordEvent, 0,
                           PackedMidiMessage::pack(0x99, 38, 110).value());
    send(HostQueryRunning);
    platform::dispatchMessages();
    send(HostCmdStop);

    const SmfSong take = LoadSmfSong(options.recordTo, {});
    ASSERT_TRUE(take.song) << take.error;
    ASSERT_EQ(take.song->events.size(), 3U);
    EXPECT_EQ(take.song->events[0].timeMs, 101U);
    EXPECT_EQ(take.song->events[0].message.value(), PackedMidiMessage::pack(0x90, 64, 90).value());
    EXPECT_EQ(take.song->events[1].timeMs, 101U);
    EXPECT_EQ(take.song->events[1].sysEx, (Bytes{0x41, 0x10, 0x42}));
    EXPECT_EQ(take.song->events[2].timeMs, 501U);
    EXPECT_EQ(take.song->events[2].message.value(), PackedMidiMessage::pack(0x99, 38, 110).value());
    EXPECT_TRUE(std::any_of(status.begin(), status.end(), [&](const std::string& line) {
        return line == "korvo: take of 3 events written to " + options.recordTo;
    }));
}

} // namespace
} // namespace velmar::host
