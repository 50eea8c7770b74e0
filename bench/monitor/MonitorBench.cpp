#include "bench/support/AllocationCount.h"
#include "monitor/core/EventIntake.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using velmar::HostLinkBlock;
using velmar::PackedMidiMessage;
using namespace velmar::monitor;

class Block {
public:
    void putSlot(std::uint16_t slot, std::uint16_t source, PackedMidiMessage message)
    {
        std::byte* at = bytes.data() + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * slot;
        const std::uint32_t value = message.value();
        std::memcpy(at, &source, 2);
        std::memcpy(at + 2, &value, 4);
    }
    // The host has written slots `from` up to, not including, `to`.
    void setIndices(std::uint16_t read, std::uint16_t write)
    {
        std::memcpy(bytes.data() + HostLinkBlock::kReadIndexOffset, &read, 2);
        std::memcpy(bytes.data() + HostLinkBlock::kWriteIndexOffset, &write, 2);
    }
    HostLinkBlock link() { return HostLinkBlock(bytes.data()); }

    std::vector<std::byte> bytes = std::vector<std::byte>(HostLinkBlock::kSize);
};

// What a sequencer plays: notes, controllers, programs, bends, song position, one clock in
// eight (hidden by the default filter), from the input and from two output ports.
PackedMidiMessage songEvent(unsigned i)
{
    const auto channel = static_cast<std::uint8_t>(i % 16);
    const auto value = static_cast<std::uint8_t>(i % 128);
    switch (i % 8) {
    case 0:
    case 1:
        return PackedMidiMessage::pack(0x90 | channel, value, 100);
    case 2:
        return PackedMidiMessage::pack(0x80 | channel, value, 0);
    case 3:
        return PackedMidiMessage::pack(0xB0 | channel, value, 64);
    case 4:
        return PackedMidiMessage::pack(0xC0 | channel, value, 0);
    case 5:
        return PackedMidiMessage::pack(0xE0 | channel, value, 64);
    case 6:
        return PackedMidiMessage::pack(0xF2, value, 3);
    default:
        return PackedMidiMessage::pack(0xF8, 0, 0);
    }
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0.0;
}

// The largest grid with every row written, and what the process then holds in memory. Run
// first, so that no earlier benchmark's freed memory hides the growth.
void BM_ResidentWith32000FullRows(benchmark::State& state)
{
    for (auto _ : state) {
        const double before = residentMegabytes();
        Block block;
        OstraSettings settings;
        settings.DisplayEventCount = kMaxDisplayEventCount;
        settings.EventTypeFilter.fill(1);
        EventGridModel grid(1);
        SystemClock clock;
        EventIntake intake(block.link(), settings, grid, clock);
        for (unsigned event = 0; event < kMaxDisplayEventCount;) {
            for (std::uint16_t slot = 1; slot < HostLinkBlock::kLastSlot; ++slot, ++event)
                block.putSlot(slot, 0, PackedMidiMessage::pack(0xB0, 98, 127)); // longest cells
            block.setIndices(1, HostLinkBlock::kLastSlot);
            benchmark::DoNotOptimize(intake.AppIdle());
        }
        state.counters["resident MB"] = residentMegabytes();
        state.counters["grew by MB"] = residentMegabytes() - before;
    }
}
BENCHMARK(BM_ResidentWith32000FullRows)->Iterations(1)->Unit(benchmark::kMillisecond);

// A full ring (999 events) taken, filtered and written into the grid, again and again.
void BM_IntakeFullRing(benchmark::State& state)
{
    Block block;
    for (std::uint16_t slot = 1; slot <= HostLinkBlock::kLastSlot; ++slot)
        block.putSlot(slot, static_cast<std::uint16_t>(slot % 3), songEvent(slot));
    OstraSettings settings;
    settings.DisplayEventCount = static_cast<std::int16_t>(state.range(0));
    EventGridModel grid(1);
    SystemClock clock;
    EventIntake intake(block.link(), settings, grid, clock);

    std::int64_t events = 0;
    const std::int64_t allocationsBefore = velmar::bench::AllocationCount();
    for (auto _ : state) {
        block.setIndices(1, HostLinkBlock::kLastSlot);
        const IdleResult result = intake.AppIdle();
        benchmark::DoNotOptimize(result);
        events += HostLinkBlock::kLastSlot - 1;
    }
    state.SetItemsProcessed(events);
    state.counters["allocations/event"] = benchmark::Counter(
        static_cast<double>(velmar::bench::AllocationCount() - allocationsBefore) /
        static_cast<double>(events));
}
BENCHMARK(BM_IntakeFullRing)->Arg(1000)->Arg(32000);

// One SysEx message of 64000 bytes, written 16 bytes a row into a grid that wraps.
void BM_SysExDump64000(benchmark::State& state)
{
    Block block;
    for (std::size_t i = 0; i < HostLinkBlock::kSysExSize; ++i)
        block.bytes[HostLinkBlock::kSysExOffset + i] = static_cast<std::byte>(i % 128);
    block.putSlot(1, 0, PackedMidiMessage::pack(0xF0, 0, 0));
    block.putSlot(2, 0, PackedMidiMessage::pack(0xF7, 64000 / 256, 64000 % 256));
    OstraSettings settings;
    settings.DisplayEventCount = kMaxDisplayEventCount;
    EventGridModel grid(1);
    SystemClock clock;
    EventIntake intake(block.link(), settings, grid, clock);

    for (auto _ : state) {
        block.setIndices(1, 3);
        const IdleResult result = intake.AppIdle();
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * 64000);
}
BENCHMARK(BM_SysExDump64000)->Unit(benchmark::kMillisecond);

} // namespace
