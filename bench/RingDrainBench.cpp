#include "runtime/HostLinkBlock.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>

namespace {

using velmar::HostLinkBlock;
using velmar::RingEvent;

// Drains a full ring (999 events) again and again: the cost per event of the intake path
// that both plug-ins share.
void BM_DrainFullRing(benchmark::State& state)
{
    alignas(8) static std::array<std::byte, HostLinkBlock::kSize> bytes{};
    for (std::uint16_t slot = 1; slot <= HostLinkBlock::kLastSlot; ++slot) {
        const std::uint32_t message = 0x00403C90U + slot;
        std::memcpy(bytes.data() + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * slot + 2,
                    &message, 4);
    }
    HostLinkBlock block(bytes.data());
    const std::uint16_t write = 1000;
    const std::uint16_t read = 1;
    std::memcpy(bytes.data() + HostLinkBlock::kWriteIndexOffset, &write, 2);

    std::int64_t events = 0;
    std::uint32_t checksum = 0;
    for (auto _ : state) {
        std::memcpy(bytes.data() + HostLinkBlock::kReadIndexOffset, &read, 2);
        events += static_cast<std::int64_t>(
            block.Drain([&](const RingEvent& event) { checksum += event.Message.value(); }));
    }
    benchmark::DoNotOptimize(checksum);
    state.SetItemsProcessed(events);
}
BENCHMARK(BM_DrainFullRing);

} // namespace
