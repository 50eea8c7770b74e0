// Every 16-bit value of each ring index against the edge values of the other, through the
// consumer as the plug-ins use it, on a shared mapping and on blocks with inaccessible
// neighbours. The outcome of each case is worked out from the ring's rules and the
// handling of out-of-range values (docs/decisions/0002) and compared exactly.

#include "runtime/HostLinkBlock.h"
#include "tests/stress/SweptBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace velmar {
namespace {

using test::BlockKind;
using test::SweptBlock;

constexpr std::uint16_t kLastSlot = HostLinkBlock::kLastSlot;
constexpr std::array<std::uint16_t, 6> kEdgeValues{0, 1, 999, 1000, 1001, 65535};

// What the host leaves in slot k: every slot tells its number in both fields.
RingEvent slotSignature(std::uint16_t slot)
{
    return {static_cast<std::uint16_t>(0xC000U | slot),
            PackedMidiMessage(0x7E000000U | (static_cast<std::uint32_t>(slot) << 8U) |
                              ((slot * 37U) & 0xFFU))};
}

// The slot read after `slot` in steady state.
std::uint16_t following(std::uint16_t slot)
{
    return slot >= kLastSlot ? std::uint16_t{1} : static_cast<std::uint16_t>(slot + 1);
}

// The host's side, written straight into the block's bytes.
class HostBytes {
public:
    explicit HostBytes(std::byte* block)
        : m_block(block)
    {
        for (std::uint16_t slot = 0; slot <= kLastSlot; ++slot) {
            const RingEvent event = slotSignature(slot);
            const std::uint32_t message = event.Message.value();
            std::byte* at = m_block + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * slot;
            std::memcpy(at, &event.Source, 2);
            std::memcpy(at + 2, &message, 4);
        }
    }

    void setIndices(std::uint16_t write, std::uint16_t read)
    {
        std::memcpy(m_block + HostLinkBlock::kWriteIndexOffset, &write, 2);
        std::memcpy(m_block + HostLinkBlock::kReadIndexOffset, &read, 2);
    }
    [[nodiscard]] std::uint16_t readIndex() const { return at(HostLinkBlock::kReadIndexOffset); }
    [[nodiscard]] std::uint16_t writeIndex() const { return at(HostLinkBlock::kWriteIndexOffset); }

private:
    [[nodiscard]] std::uint16_t at(std::size_t offset) const
    {
        std::uint16_t value = 0;
        std::memcpy(&value, m_block + offset, 2);
        return value;
    }

    std::byte* m_block;
};

struct DrainOutcome {
    std::size_t events = 0;
    std::uint16_t firstSlot = 0;
    std::uint16_t finalReadIndex = 0;
};

// One drain: a write index above 1000 or equal indices take nothing and leave the read
// index alone; a read index above 1000 addresses no slot and moves on to 1. A drain makes
// at most one ring's worth (1000) of steps, moving an out-of-range index on being one.
// A write index of 0 is never met again once the read index has left 0.
DrainOutcome expectedDrain(std::uint16_t write, std::uint16_t read)
{
    if (write > kLastSlot || write == read)
        return {0, 0, read};
    const bool movedOn = read > kLastSlot;
    const std::uint16_t first = movedOn ? std::uint16_t{1} : read;
    const std::size_t budget = movedOn ? kLastSlot - 1U : kLastSlot;
    std::size_t waiting = 0;
    if (write == 0)
        waiting = std::numeric_limits<std::size_t>::max();
    else if (first == 0)
        waiting = write; // slots 0 .. write - 1
    else
        waiting = (write + kLastSlot - first) % kLastSlot;
    const std::size_t events = std::min(waiting, budget);
    std::size_t after = 0; // 1-based position round the ring after the last event
    if (first == 0)
        after = events == 0 ? 0 : (events - 1) % kLastSlot + 1;
    else
        after = (first - 1 + events) % kLastSlot + 1;
    return {events, first, static_cast<std::uint16_t>(after)};
}

class RingIndexSweep : public ::testing::TestWithParam<BlockKind> {
protected:
    // One drain from the given indices; false, with a failure, when anything differs.
    bool drainMatches(std::uint16_t write, std::uint16_t read)
    {
        host.setIndices(write, read);
        const DrainOutcome expected = expectedDrain(write, read);
        std::uint16_t slot = expected.firstSlot;
        std::size_t seen = 0;
        std::size_t wrong = 0;
        const std::size_t taken = block.Drain([&](const RingEvent& event) {
            wrong += event == slotSignature(slot) ? 0 : 1;
            slot = following(slot);
            ++seen;
        });
        const bool matches = wrong == 0 && seen == expected.events && taken == seen &&
                             host.readIndex() == expected.finalReadIndex &&
                             host.writeIndex() == write;
        if (!matches)
            ADD_FAILURE() << "drain from write " << write << ", read " << read << ": " << seen
                          << " events (" << wrong << " wrong), read index " << host.readIndex()
                          << "; expected " << expected.events << " events, read index "
                          << expected.finalReadIndex;
        return matches;
    }

    // One take from the given indices, and the empty test before it.
    bool takeMatches(std::uint16_t write, std::uint16_t read)
    {
        host.setIndices(write, read);
        const bool empty = write > kLastSlot || write == read;
        std::optional<RingEvent> expected;
        std::uint16_t nextRead = read;
        if (!empty) {
            if (read <= kLastSlot)
                expected = slotSignature(read);
            nextRead = following(read);
        }
        const bool reportedEmpty = block.RingEmpty();
        const std::optional<RingEvent> taken = block.TakeEvent();
        const bool matches =
            reportedEmpty == empty && taken == expected && host.readIndex() == nextRead;
        if (!matches)
            ADD_FAILURE() << "take from write " << write << ", read " << read << ": "
                          << (taken ? "an event" : "nothing") << ", read index " << host.readIndex()
                          << "; expected read index " << nextRead;
        return matches;
    }

    SweptBlock swept{GetParam()};
    HostBytes host{swept.data()};
    HostLinkBlock block{swept.data()};
};

TEST_P(RingIndexSweep, EveryIndexValueAgainstTheEdgeValuesOfTheOther)
{
    const std::uint16_t writeBefore = host.writeIndex();
    const std::uint16_t readBefore = host.readIndex();
    const std::vector<std::byte> before(swept.data(), swept.data() + HostLinkBlock::kSize);
    std::size_t cases = 0;
    std::size_t failures = 0;
    for (const std::uint16_t edge : kEdgeValues) {
        for (std::uint32_t value = 0; value <= 0xFFFFU && failures < 10; ++value) {
            const auto index = static_cast<std::uint16_t>(value);
            failures += drainMatches(index, edge) ? 0 : 1;
            failures += drainMatches(edge, index) ? 0 : 1;
            failures += takeMatches(index, edge) ? 0 : 1;
            failures += takeMatches(edge, index) ? 0 : 1;
            cases += 4;
        }
    }
    EXPECT_EQ(cases, 4U * kEdgeValues.size() * 65536U);
    std::printf("%zu cases (drains and single takes) on %s\n", cases,
                test::BlockKindName(GetParam()).c_str());
    RecordProperty("cases", static_cast<int>(cases));

    // The consumer wrote nothing but its own index.
    host.setIndices(writeBefore, readBefore);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), swept.data()));
    EXPECT_TRUE(swept.surroundingsIntact());
}

// Every read index that a write index of 0 meets: 0 is left behind for good, so the
// drain stops after one ring's worth and the next drain goes on where it stopped.
TEST_P(RingIndexSweep, UnreachableWriteIndexNeverHoldsTheConsumer)
{
    host.setIndices(0, 1);
    for (int drain = 0; drain < 3; ++drain) {
        std::size_t seen = 0;
        EXPECT_EQ(block.Drain([&](const RingEvent&) { ++seen; }), kLastSlot);
        EXPECT_EQ(seen, kLastSlot);
        EXPECT_EQ(host.readIndex(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, RingIndexSweep,
                         ::testing::Values(BlockKind::SharedMapping, BlockKind::GuardedFront,
                                           BlockKind::GuardedBack),
                         [](const auto& tested) { return test::BlockKindName(tested.param); });

} // namespace
} // namespace velmar
