#include "host/DemoSong.h"
#include "host/FloodSource.h"
#include "host/MidiBytes.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Windows.h"
#include "tests/host/JackTestServer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <optional>
#include <set>
#include <thread>

namespace velmar::host {
namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;
using velmar::test::ChildProcess;

// A JACK client of the test's: an output port "out" (a device's when `physical`) that sends
// what the test queues, and an input port "in" that keeps what arrives.
class TestJackClient {
public:
    TestJackClient(const std::string& name, bool physical)
        : m_toSend(jack_ringbuffer_create(1 << 16))
        , m_received(jack_ringbuffer_create(1 << 16))
    {
        m_client = jack_client_open(name.c_str(), JackNoStartServer, nullptr);
        if (m_client == nullptr)
            return;
        const unsigned long flags =
            JackPortIsOutput | (physical ? static_cast<unsigned long>(JackPortIsPhysical) : 0UL);
        m_out = jack_port_register(m_client, "out", JACK_DEFAULT_MIDI_TYPE, flags, 0);
        m_in = jack_port_register(m_client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(m_client, &TestJackClient::process, this);
        jack_set_xrun_callback(m_client, &TestJackClient::xrun, this);
        jack_activate(m_client);
    }
    ~TestJackClient()
    {
        if (m_client != nullptr)
            jack_client_close(m_client);
        jack_ringbuffer_free(m_toSend);
        jack_ringbuffer_free(m_received);
    }
    TestJackClient(const TestJackClient&) = delete;
    TestJackClient& operator=(const TestJackClient&) = delete;

    [[nodiscard]] bool open() const { return m_out != nullptr && m_in != nullptr; }
    [[nodiscard]] std::string outName() const { return jack_port_name(m_out); }
    [[nodiscard]] jack_client_t* client() const { return m_client; }
    // Cycles the server ran late, when JACK itself may lose what a client sent.
    [[nodiscard]] int xruns() const { return m_xruns.load(); }

    void Send(const Bytes& bytes)
    {
        const auto length = static_cast<std::uint8_t>(bytes.size());
        jack_ringbuffer_write(m_toSend, reinterpret_cast<const char*>(&length), 1);
        jack_ringbuffer_write(m_toSend, reinterpret_cast<const char*>(bytes.data()), length);
    }
    // What arrived at "in" since the last call.
    std::vector<Bytes> Received()
    {
        std::vector<Bytes> messages;
        std::uint8_t length = 0;
        while (jack_ringbuffer_read(m_received, reinterpret_cast<char*>(&length), 1) == 1) {
            Bytes bytes(length);
            jack_ringbuffer_read(m_received, reinterpret_cast<char*>(bytes.data()), length);
            messages.push_back(std::move(bytes));
        }
        return messages;
    }

private:
    static int xrun(void* self)
    {
        ++static_cast<TestJackClient*>(self)->m_xruns;
        return 0;
    }
    static int process(jack_nframes_t frames, void* self)
    {
        auto& me = *static_cast<TestJackClient*>(self);
        void* out = jack_port_get_buffer(me.m_out, frames);
        jack_midi_clear_buffer(out);
        std::uint8_t length = 0;
        while (jack_ringbuffer_peek(me.m_toSend, reinterpret_cast<char*>(&length), 1) == 1) {
            jack_midi_data_t* bytes = jack_midi_event_reserve(out, 0, length);
            if (bytes == nullptr)
                break; // the cycle is full: the rest go in the next one
            jack_ringbuffer_read_advance(me.m_toSend, 1);
            jack_ringbuffer_read(me.m_toSend, reinterpret_cast<char*>(bytes), length);
        }
        void* in = jack_port_get_buffer(me.m_in, frames);
        for (std::uint32_t i = 0; i < jack_midi_get_event_count(in); ++i) {
            jack_midi_event_t event{};
            if (jack_midi_event_get(&event, in, i) != 0 || event.size > 255 ||
                jack_ringbuffer_write_space(me.m_received) < event.size + 1)
                continue;
            const auto size = static_cast<std::uint8_t>(event.size);
            jack_ringbuffer_write(me.m_received, reinterpret_cast<const char*>(&size), 1);
            jack_ringbuffer_write(me.m_received, reinterpret_cast<const char*>(event.buffer), size);
        }
        return 0;
    }

    jack_client_t* m_client = nullptr;
    jack_port_t* m_out = nullptr;
    jack_port_t* m_in = nullptr;
    jack_ringbuffer_t* m_toSend;
    jack_ringbuffer_t* m_received;
    std::atomic<int> m_xruns{0};
};

template <typename Condition>
bool within(std::chrono::milliseconds time, Condition condition)
{
    for (const auto end = Clock::now() + time; Clock::now() < end;) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

std::set<std::string> portNames(jack_client_t* client, const char* pattern, unsigned long flags = 0)
{
    std::set<std::string> names;
    const char** ports = jack_get_ports(client, pattern, nullptr, flags);
    for (const char** port = ports; port != nullptr && *port != nullptr; ++port)
        names.insert(*port);
    jack_free(static_cast<void*>(ports));
    return names;
}

bool connected(jack_client_t* client, const std::string& from, const std::string& to)
{
    jack_port_t* port = jack_port_by_name(client, from.c_str());
    return port != nullptr && jack_port_connected_to(port, to.c_str()) != 0;
}

// korvo against a JACK server of the test's own, with MIDI clients in this process.
class KorvoJack : public ::testing::Test {
protected:
    void SetUp() override
    {
#if defined(__SANITIZE_THREAD__)
        GTEST_SKIP() << "JACK's client library is not built for ThreadSanitizer, whose reports "
                        "from its threads would be false; the handoff is checked in-process";
#endif
        if (velmar::test::JackTestServer::JackdPath().empty())
            GTEST_SKIP() << "jackd is not installed: no JACK server to test korvo's ports against";
        jack.emplace(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(jack->running()) << "jackd did not start";
        observer = std::make_unique<TestJackClient>("observer", false);
    }

    void TearDown() override
    {
        // Told to end, korvo closes its JACK client; killed, it would leave it behind.
        if (korvo) {
            korvo->kill(SIGTERM);
            korvo->wait();
        }
    }

    // Starts korvo on JACK and signs in as a plug-in would.
    void startKorvo(std::vector<std::string> options = {})
    {
        std::vector<std::string> arguments{"--quiet", "--midi-api", "jack", "--no-synth"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        korvo = std::make_unique<ChildProcess>(VELMAR_KORVO, arguments);
        ASSERT_TRUE(within(std::chrono::seconds(10), [&] {
            for (const platform::HWND hwnd : platform::EnumWindows())
                if (platform::GetWindowThreadProcessId(hwnd) ==
                    static_cast<std::uint32_t>(korvo->pid()))
                    host = hwnd;
            return host != 0;
        })) << "korvo did not show its window";
        map = SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
        block.emplace(map->Data());
        ASSERT_EQ(platform::SendMessageA(host, HostCmdSignIn, 0, map->Handle()),
                  HostSignInAccepted);
        ASSERT_TRUE(within(std::chrono::seconds(10), [&] {
            return portNames(observer->client(), "^korvo:in$").size() == 1;
        })) << "korvo's input did not show";
    }

    std::vector<RingEvent> drain()
    {
        std::vector<RingEvent> events;
        block->Drain([&](const RingEvent& event) { events.push_back(event); });
        return events;
    }

    // Sends a note from `device` until it reaches the ring (a connection made meanwhile
    // takes a cycle to carry).
    bool noteReachesRing(TestJackClient& device, std::uint8_t key)
    {
        return within(std::chrono::seconds(3), [&] {
            device.Send({0x90, key, 100});
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            const std::vector<RingEvent> ring = drain();
            return std::find(ring.begin(), ring.end(),
                             RingEvent{0, PackedMidiMessage::pack(0x90, key, 100)}) != ring.end();
        });
    }

    std::optional<velmar::test::JackTestServer> jack;
    velmar::test::ScopedSession session;
    std::unique_ptr<platform::WindowEndpoint> window = platform::WindowEndpoint::create(
        [](platform::UINT, platform::WPARAM, platform::LPARAM) { return platform::LRESULT{1}; });
    std::unique_ptr<TestJackClient> observer; // sees the server's ports and connections
    std::unique_ptr<ChildProcess> korvo;
    platform::HWND host = 0;
    std::unique_ptr<SharedMemory> map;
    std::optional<HostLinkBlock> block;
};

TEST_F(KorvoJack, OneClientWhoseDevicesAreConnectedAsTheyComeAndComeBack)
{
    startKorvo();
    EXPECT_EQ(portNames(observer->client(), "^korvo"),
              (std::set<std::string>{"korvo:in", "korvo:port 1"}))
        << "one client, its input and the song's one port";

    auto keys = std::make_unique<TestJackClient>("keys", true);
    ASSERT_TRUE(keys->open());
    EXPECT_TRUE(within(std::chrono::seconds(1), [&] {
        return connected(observer->client(), "keys:out", "korvo:in");
    })) << "a device that appears is connected within a second";
    EXPECT_TRUE(noteReachesRing(*keys, 60));
    EXPECT_FALSE(connected(observer->client(), "observer:out", "korvo:in")) << "not a device";

    keys.reset();
    keys = std::make_unique<TestJackClient>("keys", true);
    EXPECT_TRUE(within(std::chrono::seconds(1), [&] {
        return connected(observer->client(), "keys:out", "korvo:in");
    })) << "connected again";
    EXPECT_TRUE(noteReachesRing(*keys, 62));
}

TEST_F(KorvoJack, MidiInNarrowsTheConnectionsAndNoneMakesNone)
{
    TestJackClient keys("keys", true);
    TestJackClient pads("pads", true);
    startKorvo({"--midi-in", "PAD"});
    EXPECT_TRUE(within(std::chrono::seconds(1),
                       [&] { return connected(observer->client(), "pads:out", "korvo:in"); }));
    EXPECT_FALSE(connected(observer->client(), "keys:out", "korvo:in"));
    TearDown();

    korvo.reset();
    host = 0;
    startKorvo({"--midi-in", "none"});
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_FALSE(connected(observer->client(), "pads:out", "korvo:in"));
    EXPECT_FALSE(connected(observer->client(), "keys:out", "korvo:in"));
}

TEST_F(KorvoJack, AnOutputPortGoesToItsDestinationWhenItAppearsLater)
{
    startKorvo({"--midi-out", "1=synth:in"});
    TestJackClient synth("synth", false);
    ASSERT_TRUE(synth.open());
    EXPECT_TRUE(within(std::chrono::seconds(1),
                       [&] { return connected(observer->client(), "korvo:port 1", "synth:in"); }));
}

TEST_F(KorvoJack, EveryMessageSentToItsInputReachesTheRingOnceInOrder)
{
    startKorvo({"--midi-in", "none"});
    TestJackClient feeder("feeder", false);
    ASSERT_EQ(jack_connect(feeder.client(), "feeder:out", "korvo:in"), 0);

    constexpr std::uint64_t kCount = 3000;
    // A machine too busy for the server's cycles loses events inside JACK: such a run is
    // tried again, up to three times.
    std::vector<RingEvent> ring;
    for (int run = 0; run < 3; ++run) {
        const int xrunsBefore = feeder.xruns();
        ring.clear();
        for (std::uint64_t i = 0; i < kCount; ++i) {
            const PackedMidiMessage message = FloodSource::EventAt(i);
            feeder.Send({message.status(), message.data1(), message.data2()});
            if (i % 64 == 63) { // within what one JACK cycle carries
                std::this_thread::sleep_for(std::chrono::milliseconds(6));
                for (const RingEvent& event : drain())
                    ring.push_back(event);
            }
        }
        within(std::chrono::seconds(5), [&] {
            for (const RingEvent& event : drain())
                ring.push_back(event);
            return ring.size() >= kCount;
        });
        if (ring.size() == kCount || feeder.xruns() == xrunsBefore)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        drain();
    }
    ASSERT_EQ(ring.size(), kCount);
    std::uint64_t wrong = 0;
    for (std::uint64_t i = 0; i < kCount; ++i)
        wrong += ring[i] == RingEvent{0, FloodSource::EventAt(i)} ? 0 : 1;
    EXPECT_EQ(wrong, 0U);
}

TEST_F(KorvoJack, PlaysTheSongToItsOutput)
{
    startKorvo({"--midi-in", "none"});
    TestJackClient listener("listener", false);
    ASSERT_EQ(jack_connect(listener.client(), "korvo:port 1", "listener:in"), 0);

    platform::SendMessageA(host, HostCmdPlay, 0, 0);
    std::vector<Bytes> received;
    std::size_t ringCount = 0;
    for (const auto end = Clock::now() + std::chrono::milliseconds(2500); Clock::now() < end;) {
        for (Bytes& message : listener.Received())
            received.push_back(std::move(message));
        ringCount += drain().size();
        platform::dispatchMessages(); // korvo's bar marks wait for our answer
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    platform::SendMessageA(host, HostCmdStop, 0, 0);
    EXPECT_GE(ringCount, received.size()) << "what korvo plays goes into the ring as well";

    std::vector<Bytes> expected;
    for (const SongEvent& event : DemoSong(1).events) {
        if (event.port != 1)
            continue;
        if (event.isSysEx()) {
            Bytes bytes{0xF0};
            bytes.insert(bytes.end(), event.sysEx.begin(), event.sysEx.end());
            bytes.push_back(0xF7);
            expected.push_back(bytes);
            continue;
        }
        std::array<std::uint8_t, 3> bytes{};
        const std::size_t length = WriteMidiBytes(event.message, bytes);
        expected.emplace_back(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    }
    ASSERT_GE(received.size(), 20U) << "two seconds of the demo song";
    ASSERT_LE(received.size(), expected.size());
    for (std::size_t i = 0; i < received.size(); ++i)
        ASSERT_EQ(received[i], expected[i]) << "message " << i;
}

} // namespace
} // namespace velmar::host
