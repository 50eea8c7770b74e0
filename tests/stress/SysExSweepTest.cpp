// Every 16-bit SysEx position, as start against the edge values of the end and as end
// against the edge values of the start: the view holds exactly the positions from the
// start up to the end, wrapping after 64000, and nothing outside the area.

#include "runtime/HostLinkBlock.h"
#include "tests/stress/SweptBlock.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>

namespace velmar {
namespace {

using test::BlockKind;
using test::SweptBlock;

constexpr std::size_t kAreaSize = HostLinkBlock::kSysExSize; // positions 0 to 64000
constexpr std::array<std::uint16_t, 6> kEdgeValues{0, 1, 63999, 64000, 64001, 65535};

std::byte patternAt(std::size_t position)
{
    return static_cast<std::byte>(((position * 131U) ^ (position >> 8U)) & 0xFFU);
}

class SysExSweep : public ::testing::TestWithParam<BlockKind> {
protected:
    SysExSweep()
    {
        for (std::size_t position = 0; position < kAreaSize; ++position)
            area()[position] = patternAt(position);
    }

    [[nodiscard]] std::byte* area() const { return swept.data() + HostLinkBlock::kSysExOffset; }

    // The positions start, start + 1, ... up to but not including end, wrapping after
    // 64000, at least one; nothing at all when either position lies outside the area.
    bool viewMatches(std::uint16_t start, std::uint16_t end) const
    {
        const std::optional<SysExView> view = block.SysEx(start, end);
        if (start >= kAreaSize || end >= kAreaSize)
            return !view;
        if (!view)
            return false;
        const std::size_t count = start < end ? end - start : kAreaSize - start + end;
        std::size_t position = start;
        std::size_t walked = 0;
        for (const std::span<const std::byte> part : {view->head, view->tail}) {
            if (part.empty())
                continue;
            // Each part is contiguous: where it begins and how long it is say which
            // positions it covers. Its first and last bytes are read to prove them there.
            if (part.data() != area() + position || position + part.size() > kAreaSize ||
                part.front() != patternAt(position) ||
                part.back() != patternAt(position + part.size() - 1))
                return false;
            walked += part.size();
            position = (position + part.size()) % kAreaSize;
        }
        return walked == count && position == end && view->size() == count;
    }

    SweptBlock swept{GetParam()};
    HostLinkBlock block{swept.data()};
};

TEST_P(SysExSweep, EveryPositionAgainstTheEdgeValuesOfTheOther)
{
    std::size_t cases = 0;
    std::size_t failures = 0;
    for (const std::uint16_t edge : kEdgeValues) {
        for (std::uint32_t value = 0; value <= 0xFFFFU; ++value) {
            const auto position = static_cast<std::uint16_t>(value);
            for (const auto& [start, end] :
                 {std::pair{position, edge}, std::pair{edge, position}}) {
                ++cases;
                if (!viewMatches(start, end) && ++failures <= 10)
                    ADD_FAILURE() << "SysEx from " << start << " to " << end;
            }
        }
    }
    EXPECT_EQ(failures, 0U);
    EXPECT_EQ(cases, 2U * kEdgeValues.size() * 65536U);
    std::printf("%zu SysEx cases on %s\n", cases, test::BlockKindName(GetParam()).c_str());
    RecordProperty("cases", static_cast<int>(cases));
    EXPECT_TRUE(swept.surroundingsIntact());
}

INSTANTIATE_TEST_SUITE_P(Blocks, SysExSweep,
                         ::testing::Values(BlockKind::SharedMapping, BlockKind::GuardedFront,
                                           BlockKind::GuardedBack),
                         [](const auto& tested) { return test::BlockKindName(tested.param); });

} // namespace
} // namespace velmar
