#include "host/DemoSong.h"
#include "host/FloodSource.h"
#include "host/MidiBytes.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <RtMidi.h>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <signal.h>
#include <sstream>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace velmar::host {
namespace {

using Clock = std::chrono::steady_clock;
using velmar::test::ChildProcess;

std::string onPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::stringstream directories(path != nullptr ? path : "");
    for (std::string directory; std::getline(directories, directory, ':');) {
        const auto candidate = std::filesystem::path(directory) / program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

void countError(RtMidiError::Type type, const std::string&, void* failed)
{
    if (type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool*>(failed) = true;
}

// The port of `midi` whose name holds `part`, once it shows (within 10 s).
std::optional<unsigned> waitForPort(RtMidi& midi, const std::string& part)
{
    for (const auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
        for (unsigned i = 0; i < midi.getPortCount(); ++i)
            if (midi.getPortName(i).find(part) != std::string::npos)
                return i;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

// korvo against a real JACK server (the dummy backend: no sound card), with MIDI clients
// of its own in this process. One such test runs at a time, under one server name: JACK
// keeps a small table of servers and reclaims an entry only for the same name.
class KorvoJack : public ::testing::Test {
protected:
    void SetUp() override
    {
#if defined(__SANITIZE_THREAD__)
        GTEST_SKIP() << "JACK's client library is not built for ThreadSanitizer, whose reports "
                        "from its threads would be false; the handoff is checked in-process";
#endif
        const std::string jackd = onPath("jackd");
        if (jackd.empty())
            GTEST_SKIP() << "jackd is not installed: no JACK server to test korvo's ports against";
        jackLock = ::open("/tmp/velmar-jack-test.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(jackLock, 0);
        ASSERT_EQ(::flock(jackLock, LOCK_EX), 0);
        const std::string server = "velmar-test";
        ::setenv("JACK_DEFAULT_SERVER", server.c_str(), 1);
        jack = std::make_unique<ChildProcess>(
            jackd,
            std::vector<std::string>{"--no-realtime", "-n", server, "-d", "dummy", "-p", "1024"});
        ASSERT_TRUE(waitForServer()) << "jackd did not start";
    }

    void TearDown() override
    {
        // Told to end, korvo closes its JACK clients and the server cleans up its shared
        // memory; killed, they would leave it behind.
        for (ChildProcess* process : {korvo.get(), jack.get()}) {
            if (process != nullptr) {
                process->kill(SIGTERM);
                process->wait();
            }
        }
        ::unsetenv("JACK_DEFAULT_SERVER");
        if (jackLock >= 0)
            ::close(jackLock);
    }

    bool waitForServer()
    {
        for (const auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
            bool failed = false;
            {
                RtMidiIn probe(RtMidi::UNIX_JACK, "probe");
                probe.setErrorCallback(&countError, &failed);
                (void)probe.getPortCount();
            }
            if (!failed)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // Starts korvo on JACK and signs in as a plug-in would.
    void startKorvo()
    {
        korvo = std::make_unique<ChildProcess>(
            VELMAR_KORVO, std::vector<std::string>{"--quiet", "--midi-api", "jack", "--no-synth",
                                                   "--midi-in", "virtual"});
        for (const auto end = Clock::now() + std::chrono::seconds(10);
             host == 0 && Clock::now() < end;) {
            for (const platform::HWND hwnd : platform::EnumWindows())
                if (platform::GetWindowThreadProcessId(hwnd) ==
                    static_cast<std::uint32_t>(korvo->pid()))
                    host = hwnd;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_NE(host, 0U) << "korvo did not show its window";
        map = SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
        block.emplace(map->Data());
        ASSERT_EQ(platform::SendMessageA(host, HostCmdSignIn, 0, map->Handle()),
                  HostSignInAccepted);
    }

    velmar::test::ScopedSession session;
    std::unique_ptr<platform::WindowEndpoint> window = platform::WindowEndpoint::create(
        [](platform::UINT, platform::WPARAM, platform::LPARAM) { return platform::LRESULT{1}; });
    int jackLock = -1;
    std::unique_ptr<ChildProcess> jack;
    std::unique_ptr<ChildProcess> korvo;
    platform::HWND host = 0;
    std::unique_ptr<SharedMemory> map;
    std::optional<HostLinkBlock> block;
};

TEST_F(KorvoJack, EveryMessageSentToItsInputReachesTheRingOnceInOrder)
{
    startKorvo();
    RtMidiOut feeder(RtMidi::UNIX_JACK, "feeder");
    const auto input = waitForPort(feeder, "korvo in");
    ASSERT_TRUE(input) << "korvo's input did not show";
    feeder.openPort(*input);

    constexpr std::uint64_t kCount = 3000;
    std::vector<RingEvent> ring;
    auto drain = [&] {
        block->Drain([&](const RingEvent& event) { ring.push_back(event); });
    };
    for (std::uint64_t i = 0; i < kCount; ++i) {
        const PackedMidiMessage message = FloodSource::EventAt(i);
        const std::uint8_t bytes[] = {message.status(), message.data1(), message.data2()};
        feeder.sendMessage(bytes, sizeof bytes);
        if (i % 64 == 63) { // within what one JACK period carries
            std::this_thread::sleep_for(std::chrono::milliseconds(6));
            drain();
        }
    }
    for (const auto end = Clock::now() + std::chrono::seconds(10);
         ring.size() < kCount && Clock::now() < end;) {
        drain();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_EQ(ring.size(), kCount);
    std::uint64_t wrong = 0;
    for (std::uint64_t i = 0; i < kCount; ++i)
        wrong += ring[i] == RingEvent{0, FloodSource::EventAt(i)} ? 0 : 1;
    EXPECT_EQ(wrong, 0U);
}

TEST_F(KorvoJack, PlaysTheSongToItsOutput)
{
    startKorvo();
    RtMidiIn listener(RtMidi::UNIX_JACK, "listener");
    listener.ignoreTypes(false, false, false);
    const auto output = waitForPort(listener, "korvo out 1");
    ASSERT_TRUE(output) << "korvo's output did not show";
    listener.openPort(*output);

    platform::SendMessageA(host, HostCmdPlay, 0, 0);
    std::vector<std::vector<std::uint8_t>> received;
    std::vector<std::uint8_t> message;
    std::size_t ringCount = 0;
    for (const auto end = Clock::now() + std::chrono::milliseconds(2500); Clock::now() < end;) {
        listener.getMessage(&message);
        if (!message.empty())
            received.push_back(message);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        block->Drain([&](const RingEvent&) { ++ringCount; });
        platform::dispatchMessages(); // korvo's bar marks wait for our answer
    }
    platform::SendMessageA(host, HostCmdStop, 0, 0);
    EXPECT_GE(ringCount, received.size()) << "what korvo plays goes into the ring as well";

    std::vector<std::vector<std::uint8_t>> expected;
    for (const SongEvent& event : DemoSong(1).events) {
        if (event.port != 1)
            continue;
        if (event.isSysEx()) {
            std::vector<std::uint8_t> bytes{0xF0};
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
