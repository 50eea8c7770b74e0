#include "bench/support/AllocationCount.h"
#include "drums/core/DrumEventIntake.h"
#include "drums/core/HitAnimation.h"
#include "drums/core/KettraSettings.h"
#include "drums/core/ScaledKit.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>

namespace {

using namespace velmar;
using namespace velmar::drums;

class CountingCanvas : public DrumCanvas {
public:
    void CopyRegion(KitPicture /*picture*/, const QRect& area) override { m_sum += area.left(); }
    void CopyPicture(SmallPicture /*picture*/, HitColour /*colour*/, const QRect& area) override
    {
        m_sum += area.top();
    }
    void FillBlack(const QRect& area) override { m_sum += area.right(); }
    [[nodiscard]] std::int64_t sum() const { return m_sum; }

private:
    std::int64_t m_sum = 0;
};

class SilentHost : public HostWindow {
public:
    platform::LRESULT Send(platform::UINT /*message*/, platform::WPARAM /*wParam*/,
                           platform::LPARAM /*lParam*/) override
    {
        return 0;
    }
};

// One tick of the drum window's timer with a full ring (999 drum note-ons over every
// instrument, host and live input mixed) to drain and every instrument counting.
void tick(benchmark::State& state, std::int64_t displayDelay)
{
    alignas(8) static std::array<std::byte, HostLinkBlock::kSize> bytes{};
    for (std::uint16_t slot = 1; slot < HostLinkBlock::kLastSlot; ++slot) {
        const std::uint16_t source = slot % 2;
        const auto note = static_cast<std::uint8_t>(kFirstDrumNote + slot % kInstrumentCount);
        const std::uint32_t message = PackedMidiMessage::pack(0x99, note, 100).value();
        std::byte* at = bytes.data() + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * slot;
        std::memcpy(at, &source, 2);
        std::memcpy(at + 2, &message, 4);
    }
    const std::uint16_t write = HostLinkBlock::kLastSlot;
    const std::uint16_t read = 1;
    std::memcpy(bytes.data() + HostLinkBlock::kWriteIndexOffset, &write, 2);

    KettraSettings settings;
    settings.DurationBoost = 10;
    const ScaledKit kit;
    CountingCanvas canvas;
    SilentHost host;
    HitAnimation animation(settings, kit, canvas);
    DrumEventIntake intake(HostLinkBlock(bytes.data()), animation, host);
    intake.SetDisplayDelay(displayDelay);

    std::uint32_t now = 0;
    const std::int64_t allocationsBefore = velmar::bench::AllocationCount();
    for (auto _ : state) {
        std::memcpy(bytes.data() + HostLinkBlock::kReadIndexOffset, &read, 2);
        now += 10;
        benchmark::DoNotOptimize(intake.Tick(now));
    }
    state.counters["allocations"] =
        static_cast<double>(velmar::bench::AllocationCount() - allocationsBefore);
    state.SetItemsProcessed(state.iterations() * (HostLinkBlock::kLastSlot - 1));
    benchmark::DoNotOptimize(canvas.sum());
}

void BM_TickFullRing(benchmark::State& state)
{
    tick(state, 0);
}
BENCHMARK(BM_TickFullRing)->Unit(benchmark::kMicrosecond);

// The same through the display delay: the queue overflows on every tick.
void BM_TickFullRingDelayed(benchmark::State& state)
{
    tick(state, 20);
}
BENCHMARK(BM_TickFullRingDelayed)->Unit(benchmark::kMicrosecond);

} // namespace
