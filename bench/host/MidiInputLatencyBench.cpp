#include "host/FloodSource.h"
#include "host/HostRingWriter.h"
#include "host/MidiBytes.h"
#include "host/MidiInputQueue.h"
#include "runtime/HostLinkBlock.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <poll.h>
#include <thread>
#include <vector>

namespace {

using namespace velmar;
using Clock = std::chrono::steady_clock;

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

struct Result {
    std::vector<std::int64_t> latencyNs; // arrival at the input to the slot in the ring
    std::uint64_t inOrder = 0;
    std::uint64_t dropped = 0;
};

// A port's thread pushes `count` numbered messages `gapNs` apart into the input queue; the
// host's side takes them into the ring while a plug-in drains the ring.
Result run(std::uint64_t count, std::int64_t gapNs)
{
    auto queue = std::make_unique<host::MidiInputQueue>();
    std::vector<std::uint32_t> storage(HostLinkBlock::kSize / 4 + 1);
    auto* block = reinterpret_cast<std::byte*>(storage.data());
    host::HostRingWriter writer(block);
    HostLinkBlock reader(block);
    std::atomic<bool> done{false};
    std::atomic<std::uint64_t> readByPlugIn{0};
    Result result;
    result.latencyNs.reserve(count);

    std::thread plugIn([&] {
        std::uint64_t next = 0;
        while (next < count && !done.load()) {
            const std::size_t taken = reader.Drain([&](const RingEvent& event) {
                result.inOrder += event.Message == host::FloodSource::EventAt(next) ? 1 : 0;
                ++next;
            });
            readByPlugIn.store(next);
            if (taken == 0) // as the monitor does when the ring is empty
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    std::thread korvo([&] {
        std::uint64_t taken = 0;
        while (taken < count && !done.load()) {
            queue->Drain([&](std::span<const std::uint8_t> bytes, std::int64_t arrivalNs) {
                const host::MidiBytes read = host::ReadMidiBytes(bytes);
                while (!writer.TryWrite(0, read.message)) {
                }
                result.latencyNs.push_back(nowNs() - arrivalNs);
                ++taken;
            });
            // As korvo does: woken by the queue, and by its 1 ms timer at the latest.
            pollfd wake{queue->wakeFd(), POLLIN, 0};
            ::poll(&wake, 1, 1);
        }
    });

    std::int64_t due = nowNs();
    for (std::uint64_t i = 0; i < count; ++i) {
        if (gapNs > 0)
            std::this_thread::sleep_until(Clock::time_point(std::chrono::nanoseconds(due)));
        due += gapNs;
        const PackedMidiMessage message = host::FloodSource::EventAt(i);
        const std::uint8_t bytes[] = {message.status(), message.data1(), message.data2()};
        queue->Push(bytes, nowNs());
    }
    const auto giveUp = Clock::now() + std::chrono::seconds(10);
    while (readByPlugIn.load() + queue->dropped() < count && Clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    done = true;
    korvo.join();
    plugIn.join();
    result.dropped = queue->dropped();
    return result;
}

double percentileUs(std::vector<std::int64_t> values, double fraction)
{
    if (values.empty())
        return 0;
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at),
                     values.end());
    return static_cast<double>(values[at]) / 1000.0;
}

// Latency of messages arriving 100 µs apart, a dense stream from a player.
void BM_MidiInputToRingLatency(benchmark::State& state)
{
    for (auto _ : state) {
        const Result result = run(20'000, 100'000);
        state.counters["median_us"] = percentileUs(result.latencyNs, 0.5);
        state.counters["p99_us"] = percentileUs(result.latencyNs, 0.99);
        state.counters["lost"] = static_cast<double>(20'000 - result.inOrder);
    }
}
BENCHMARK(BM_MidiInputToRingLatency)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// 100,000 messages pushed as fast as the port's thread can: every one must reach the ring.
void BM_MidiInputBurst(benchmark::State& state)
{
    constexpr std::uint64_t kBurst = 100'000;
    for (auto _ : state) {
        const Result result = run(kBurst, 0);
        state.counters["dropped"] = static_cast<double>(result.dropped);
        state.counters["lost"] = static_cast<double>(kBurst - result.inOrder);
        state.counters["p99_us"] = percentileUs(result.latencyNs, 0.99);
    }
}
BENCHMARK(BM_MidiInputBurst)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
