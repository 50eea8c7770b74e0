// The event ring as the other process may leave it, drained by the monitor's intake and
// the drum display's timer over one block. Besides what the sanitizers catch (a read
// outside the block, which lives on the heap at its exact size), every pass must leave the
// read index where the ring's rules put it (docs/decisions/0002) and show no more rows
// than the events it could take.
#include "drums/core/DrumEventIntake.h"
#include "drums/core/HitAnimation.h"
#include "drums/core/KettraSettings.h"
#include "drums/core/ScaledKit.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/RingScript.h"
#include "host/HostRingWriter.h"
#include "monitor/core/EventIntake.h"
#include "runtime/HostLinkBlock.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace velmar::fuzz {

namespace {

using velmar::monitor::kDisplayFullStop;

class FuzzClock final : public monitor::MonitorClock {
public:
    std::uint32_t now = 1000;

    [[nodiscard]] std::uint32_t timeGetTime() override { return now; }
};

class BlankCanvas final : public drums::DrumCanvas {
public:
    void CopyRegion(drums::KitPicture /*picture*/, const QRect& /*area*/) override {}
    void CopyPicture(drums::SmallPicture /*picture*/, drums::HitColour /*colour*/,
                     const QRect& /*area*/) override
    {}
    void FillBlack(const QRect& /*area*/) override {}
};

// A host that plays: every transport query answers 1.
class PlayingHost final : public drums::HostWindow {
public:
    platform::LRESULT Send(platform::UINT /*message*/, platform::WPARAM /*wParam*/,
                           platform::LPARAM /*lParam*/) override
    {
        return 1;
    }
};

std::uint16_t indexAt(const std::vector<std::byte>& block, std::size_t offset)
{
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(block[offset]) |
                                      (std::to_integer<unsigned>(block[offset + 1]) << 8U));
}

void setIndexAt(std::vector<std::byte>& block, std::size_t offset, std::uint16_t value)
{
    block[offset] = static_cast<std::byte>(value & 0xFFU);
    block[offset + 1] = static_cast<std::byte>(value >> 8U);
}

// What one drain may do, worked out from the indices alone: every read index it may
// leave (in order) and how many of the events it passes can show on rows.
struct DrainPath {
    std::uint16_t start = 0;
    std::vector<std::uint16_t> visited;
    std::size_t events = 0;
    std::size_t sysExEnds = 0;

    [[nodiscard]] std::uint16_t end() const { return visited.empty() ? start : visited.back(); }
    [[nodiscard]] bool passes(std::uint16_t index) const
    {
        return index == start || std::find(visited.begin(), visited.end(), index) != visited.end();
    }
};

DrainPath expectedDrain(const std::vector<std::byte>& block)
{
    const std::uint16_t write = indexAt(block, HostLinkBlock::kWriteIndexOffset);
    DrainPath path;
    path.start = indexAt(block, HostLinkBlock::kReadIndexOffset);
    if (write > HostLinkBlock::kLastSlot)
        return path;
    std::uint16_t read = path.start;
    for (std::size_t step = 0; step < HostLinkBlock::kLastSlot && read != write; ++step) {
        if (read <= HostLinkBlock::kLastSlot) {
            ++path.events;
            const std::size_t status =
                HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * read + 2;
            if (std::to_integer<unsigned>(block[status]) == 0xF7)
                ++path.sysExEnds;
        }
        read = HostLinkBlock::NextIndex(read);
        path.visited.push_back(read);
    }
    return path;
}

struct Rig {
    explicit Rig(std::uint8_t config)
    {
        settings.DisplayEventCount = (config & kRingConfigSmallGrid) != 0 ? 10 : 1000;
        settings.DisplayFullMode =
            static_cast<std::int16_t>((config & kRingConfigDisplayFullMask) % 3);
        settings.DecimalEventTypes = (config & kRingConfigDecimal) != 0 ? 1 : 0;
        settings.DecimalData = settings.DecimalEventTypes;
        settings.FilterMode =
            (config & kRingConfigAllExcept) != 0 ? monitor::kFilterAllExcept : monitor::kFilterOnly;
        intake = std::make_unique<monitor::EventIntake>(HostLinkBlock(block.data()), settings, grid,
                                                        clock);
        drumIntake.SetDisplayDelay((config & kRingConfigDrumDelay) != 0 ? 50 : 0);
    }

    // Exactly the block's bytes on the heap: a read past them is an ASan report.
    std::vector<std::byte> block = std::vector<std::byte>(HostLinkBlock::kSize);
    host::HostRingWriter writer{block.data()};

    monitor::OstraSettings settings;
    FuzzClock clock;
    monitor::EventGridModel grid{1};
    std::unique_ptr<monitor::EventIntake> intake;

    drums::KettraSettings kettra;
    drums::ScaledKit kit;
    BlankCanvas canvas;
    PlayingHost host;
    drums::HitAnimation animation{kettra, kit, canvas};
    drums::DrumEventIntake drumIntake{HostLinkBlock(block.data()), animation, host};
};

void monitorPass(Rig& rig, FuzzInput& input)
{
    const monitor::GridScroll scroll{input.u16(), input.u8()};
    const DrainPath path = expectedDrain(rig.block);
    const std::int64_t countBefore = rig.intake->EventCount();
    (void)rig.intake->AppIdle();
    rig.intake->PublishWrittenRows();
    const std::optional<std::int32_t> topRow = rig.intake->TakeTopRow(scroll);

    const std::uint16_t read = indexAt(rig.block, HostLinkBlock::kReadIndexOffset);
    Require(path.passes(read), "monitor: read index left off the ring's path");
    // Only a dump cut short by a full display that stops leaves events for the next pass.
    if (rig.settings.DisplayFullMode != kDisplayFullStop)
        Require(read == path.end(), "monitor: events left in the ring after a pass");

    const std::int32_t rows = rig.grid.rows().RowCount();
    Require(rig.intake->CurrentRow() >= 0 && rig.intake->CurrentRow() <= rows,
            "monitor: current row outside the grid");
    Require(rig.intake->EventCount() >= 0, "monitor: negative event count");
    Require(!topRow || (*topRow >= 1 && *topRow <= std::max(rows, 1)),
            "monitor: scrolled outside the grid");
    if (rig.settings.DisplayFullMode == kDisplayFullStop)
        Require(rig.intake->EventCount() <= rows, "monitor: a grid that stops grew past its end");
    // A row per event, and a dump's rows: 16 bytes each and its end marker.
    const auto mostRows = static_cast<std::int64_t>(
        path.events + path.sysExEnds * (HostLinkBlock::kSysExSize / 16 + 2));
    if (rig.settings.DisplayFullMode == monitor::kDisplayFullWrap)
        Require(rig.intake->EventCount() - countBefore <= mostRows,
                "monitor: more rows than the events taken");
}

void drumTick(Rig& rig, FuzzInput& input)
{
    rig.clock.now += input.u8();
    const DrainPath path = expectedDrain(rig.block);
    (void)rig.drumIntake.Tick(rig.clock.now);
    Require(indexAt(rig.block, HostLinkBlock::kReadIndexOffset) == path.end(),
            "drums: read index not where the ring's rules put it");
}

void pokeSysEx(Rig& rig, FuzzInput& input)
{
    std::size_t position = input.u16() % HostLinkBlock::kSysExSize;
    for (const std::uint8_t byte : input.bytes(input.u8())) {
        rig.block[HostLinkBlock::kSysExOffset + position] = static_cast<std::byte>(byte);
        position = position == HostLinkBlock::kLastSysExPosition ? 0 : position + 1;
    }
}

void step(Rig& rig, FuzzInput& input)
{
    switch (static_cast<RingOp>(input.u8() % kRingOpCount)) {
    case RingOp::HostWrite: {
        const std::uint8_t count = input.u8();
        const std::uint16_t source = input.u16();
        const std::uint32_t message = input.u32();
        for (std::uint32_t i = 0; i < count; ++i)
            (void)rig.writer.TryWrite(source, PackedMidiMessage(message + i));
        break;
    }
    case RingOp::HostWriteSysEx: {
        const std::uint16_t source = input.u16();
        (void)rig.writer.TryWriteSysEx(source, input.bytes(input.u16() % 4096U));
        break;
    }
    case RingOp::SetIndex: {
        const bool read = (input.u8() & 1U) != 0;
        setIndexAt(rig.block,
                   read ? HostLinkBlock::kReadIndexOffset : HostLinkBlock::kWriteIndexOffset,
                   input.u16());
        break;
    }
    case RingOp::PokeSlot: {
        const std::size_t slot = input.u16() % (HostLinkBlock::kLastSlot + 1U);
        const auto bytes = input.bytes(HostLinkBlock::kSlotSize);
        if (!bytes.empty())
            std::memcpy(rig.block.data() + HostLinkBlock::kSlotOffset +
                            HostLinkBlock::kSlotSize * slot,
                        bytes.data(), bytes.size());
        break;
    }
    case RingOp::PokeSysEx:
        pokeSysEx(rig, input);
        break;
    case RingOp::MonitorPass:
        monitorPass(rig, input);
        break;
    case RingOp::DrumTick:
        drumTick(rig, input);
        break;
    case RingOp::ClockAdvance:
        rig.clock.now += input.u16();
        break;
    }
}

} // namespace

} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input({data, size});
    Rig rig(input.u8());
    while (!input.empty())
        step(rig, input);
    return 0;
}
