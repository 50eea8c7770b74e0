#include "host/FloodSource.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Windows.h"
#include "tests/host/JackTestServer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <string>
#include <thread>

namespace {

using namespace velmar;
using Clock = std::chrono::steady_clock;

// A JACK client that sends numbered messages at a steady rate, spread over each cycle.
class Feeder {
public:
    Feeder(std::uint64_t rate, std::uint64_t count)
        : m_rate(rate)
        , m_count(count)
    {
        m_client = jack_client_open("feeder", JackNoStartServer, nullptr);
        if (m_client == nullptr)
            return;
        m_port = jack_port_register(m_client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
        jack_set_process_callback(m_client, &Feeder::process, this);
        jack_set_xrun_callback(m_client, &Feeder::xrun, this);
        jack_activate(m_client);
    }
    ~Feeder()
    {
        if (m_client != nullptr)
            jack_client_close(m_client);
    }
    Feeder(const Feeder&) = delete;
    Feeder& operator=(const Feeder&) = delete;

    // Connects to korvo's input, whatever korvo calls it, once it shows.
    bool ConnectTo(const char* pattern)
    {
        for (const auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
            const char** ports =
                jack_get_ports(m_client, pattern, JACK_DEFAULT_MIDI_TYPE, JackPortIsInput);
            if (ports != nullptr) {
                const int result = jack_connect(m_client, jack_port_name(m_port), ports[0]);
                jack_free(static_cast<void*>(ports));
                return result == 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
    void Start() { m_started.store(true); }
    [[nodiscard]] std::uint64_t sent() const { return m_next.load(); }
    [[nodiscard]] bool open() const { return m_port != nullptr; }
    // Cycles the server ran late: a busy machine, not korvo, may lose events then.
    [[nodiscard]] std::uint64_t xruns() const { return m_xruns.load(); }

private:
    static int process(jack_nframes_t frames, void* self)
    {
        static_cast<Feeder*>(self)->feed(frames);
        return 0;
    }
    static int xrun(void* self)
    {
        ++static_cast<Feeder*>(self)->m_xruns;
        return 0;
    }
    void feed(jack_nframes_t frames)
    {
        void* buffer = jack_port_get_buffer(m_port, frames);
        jack_midi_clear_buffer(buffer);
        if (!m_started.load())
            return;
        m_framesDone += frames;
        const std::uint64_t due =
            std::min(m_count, m_framesDone * m_rate / jack_get_sample_rate(m_client));
        std::uint64_t next = m_next.load(std::memory_order_relaxed);
        const std::uint64_t inCycle = due > next ? due - next : 0;
        for (std::uint64_t i = 0; next < due; ++i, ++next) {
            const PackedMidiMessage message = host::FloodSource::EventAt(next);
            const auto offset = static_cast<jack_nframes_t>(i * frames / inCycle);
            jack_midi_data_t* bytes = jack_midi_event_reserve(buffer, offset, 3);
            if (bytes == nullptr)
                break; // the buffer is full: the rest go in the next cycle
            bytes[0] = message.status();
            bytes[1] = message.data1();
            bytes[2] = message.data2();
        }
        m_next.store(next, std::memory_order_relaxed);
    }

    std::uint64_t m_rate;
    std::uint64_t m_count;
    jack_client_t* m_client = nullptr;
    jack_port_t* m_port = nullptr;
    std::uint64_t m_framesDone = 0;
    std::atomic<bool> m_started{false};
    std::atomic<std::uint64_t> m_next{0};
    std::atomic<std::uint64_t> m_xruns{0};
};

platform::HWND findHost(pid_t pid)
{
    for (const auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
        for (const platform::HWND hwnd : platform::EnumWindows())
            if (platform::GetWindowThreadProcessId(hwnd) == static_cast<std::uint32_t>(pid))
                return hwnd;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}

// A JACK client sends RATE numbered messages a second for five seconds to korvo's input
// while a plug-in in this process drains the ring: what arrives, what is missing, what
// came out of order.
void BM_JackInputToRing(benchmark::State& state)
{
    const auto rate = static_cast<std::uint64_t>(state.range(0));
    constexpr std::uint64_t kSeconds = 5;
    const std::uint64_t count = rate * kSeconds;
    for (auto _ : state) {
        test::ScopedSession session;
        test::JackTestServer jack("bench", static_cast<int>(state.range(1)));
        if (!jack.running()) {
            state.SkipWithError("no JACK server (is jackd installed?)");
            return;
        }
        auto window =
            platform::WindowEndpoint::create([](platform::UINT, platform::WPARAM,
                                                platform::LPARAM) { return platform::LRESULT{1}; });
        test::ChildProcess korvo(VELMAR_KORVO, {"--quiet", "--midi-api", "jack", "--no-synth"});
        const platform::HWND host = findHost(korvo.pid());
        const auto map =
            SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
        HostLinkBlock block(map->Data());
        platform::SendMessageA(host, HostCmdSignIn, 0, map->Handle());
        Feeder feeder(rate, count);
        if (!feeder.open() || !feeder.ConnectTo("^korvo[^:]*:(korvo )?in$")) {
            state.SkipWithError("korvo's JACK input did not show");
            return;
        }
        feeder.Start();
        std::uint64_t received = 0;
        std::uint64_t wrong = 0;
        const auto start = Clock::now();
        const auto giveUp = start + std::chrono::seconds(kSeconds + 5);
        while (received < count && Clock::now() < giveUp) {
            block.Drain([&](const RingEvent& event) {
                wrong += event.Message == host::FloodSource::EventAt(received) ? 0 : 1;
                ++received;
            });
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.counters["events_per_second"] = static_cast<double>(received) / seconds;
        state.counters["sent"] = static_cast<double>(feeder.sent());
        state.counters["missing"] = static_cast<double>(count - received);
        state.counters["out_of_order"] = static_cast<double>(wrong);
        state.counters["xruns"] = static_cast<double>(feeder.xruns());
        korvo.kill(SIGTERM);
        korvo.wait();
    }
}
// Events a second, and frames a JACK cycle.
BENCHMARK(BM_JackInputToRing)
    ->Args({200'000, 256})
    ->Args({200'000, 512})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
