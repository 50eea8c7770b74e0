#include "host/FloodSource.h"
#include "host/MidiBytes.h"
#include "host/MidiInputQueue.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace velmar::host {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(MidiBytes, SortsOutWhatAPortDelivers)
{
    struct Case {
        Bytes bytes;
        MidiBytes::Kind kind;
        std::uint32_t packed; // short messages
    };
    using K = MidiBytes::Kind;
    const std::vector<Case> cases = {
        {{0x90, 0x3C, 0x64}, K::Short, 0x643C90},
        {{0xC5, 0x07}, K::Short, 0x07C5},
        {{0xD0, 0x7F}, K::Short, 0x7FD0},
        {{0xF2, 0x10, 0x20}, K::Short, 0x2010F2},
        {{0xF1, 0x31}, K::Short, 0x31F1},
        {{0xF8}, K::Short, 0xF8},
        {{0xFE}, K::Short, 0xFE},
        {{0xF6}, K::Short, 0xF6},
        {{0xF0, 0x43, 0x10, 0xF7}, K::SysEx, 0},
        {{}, K::Invalid, 0},
        {{0x3C, 0x64}, K::Invalid, 0},             // no status
        {{0x90, 0x3C}, K::Invalid, 0},             // cut short
        {{0x90, 0x3C, 0x64, 0x00}, K::Invalid, 0}, // too long
        {{0x90, 0x3C, 0x80}, K::Invalid, 0},       // a status as data
        {{0xC0}, K::Invalid, 0},
        {{0xF8, 0x00}, K::Invalid, 0},
        {{0xF7}, K::Invalid, 0},
        {{0xF0, 0xF7}, K::Invalid, 0},       // no data
        {{0xF0, 0x43, 0x10}, K::Invalid, 0}, // no F7
        {{0xF0, 0x43, 0x90, 0xF7}, K::Invalid, 0},
    };
    for (const Case& c : cases) {
        const MidiBytes read = ReadMidiBytes(c.bytes);
        EXPECT_EQ(read.kind, c.kind) << ::testing::PrintToString(c.bytes);
        if (c.kind == K::Short) {
            EXPECT_EQ(read.message.value(), c.packed);
            std::array<std::uint8_t, 3> out{};
            const std::size_t length = WriteMidiBytes(read.message, out);
            EXPECT_EQ(Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(length)),
                      c.bytes)
                << "goes out as it came in";
        }
        if (c.kind == K::SysEx) {
            EXPECT_EQ(Bytes(read.sysEx.begin(), read.sysEx.end()), (Bytes{0x43, 0x10}));
        }
    }
    std::array<std::uint8_t, 3> out{};
    EXPECT_EQ(WriteMidiBytes(PackedMidiMessage::pack(0x90, 0x80, 0), out), 0U);
    EXPECT_EQ(WriteMidiBytes(PackedMidiMessage::pack(0x40, 0, 0), out), 0U);
}

Bytes drainAll(MidiInputQueue& queue, std::size_t* count = nullptr)
{
    Bytes all;
    const std::size_t taken = queue.Drain([&](std::span<const std::uint8_t> bytes, std::int64_t) {
        all.insert(all.end(), bytes.begin(), bytes.end());
    });
    if (count != nullptr)
        *count = taken;
    return all;
}

TEST(MidiInputQueue, DropsAndCountsWhatDoesNotFitAndWrapsItsBytes)
{
    auto queue = std::make_unique<MidiInputQueue>();
    const Bytes big(MidiInputQueue::kBytes / 2, 0x11);
    EXPECT_FALSE(queue->Push(Bytes(MidiInputQueue::kBytes / 2 + 1, 0x22), 0)) << "too long";
    EXPECT_FALSE(queue->Push({}, 0));
    EXPECT_TRUE(queue->Push(Bytes(100, 0x01), 0));
    EXPECT_TRUE(queue->Push(big, 0));
    EXPECT_FALSE(queue->Push(big, 0)) << "the bytes are full until the consumer reads";
    EXPECT_EQ(queue->dropped(), 3U);
    std::size_t count = 0;
    EXPECT_EQ(drainAll(*queue, &count).size(), 100 + big.size());
    EXPECT_EQ(count, 2U);
    // The next big message does not fit before the end of the byte ring: it starts over.
    EXPECT_TRUE(queue->Push(big, 0));
    EXPECT_TRUE(queue->Push(Bytes{0x90, 1, 2}, 0));
    EXPECT_EQ(drainAll(*queue).size(), big.size() + 3);

    for (std::size_t i = 0; i < MidiInputQueue::kMessages; ++i)
        ASSERT_TRUE(queue->Push(Bytes{0xF8}, 0)) << i;
    EXPECT_FALSE(queue->Push(Bytes{0xF8}, 0)) << "every entry is taken";
    EXPECT_EQ(drainAll(*queue).size(), MidiInputQueue::kMessages);
}

TEST(MidiInputQueue, HandsEveryMessageAcrossThreadsOnceAndInOrder)
{
    auto queue = std::make_unique<MidiInputQueue>();
    constexpr std::uint64_t kCount = 300'000; // more than the queue holds: the consumer keeps up
    std::thread port([&] {
        for (std::uint64_t i = 0; i < kCount;) {
            const PackedMidiMessage message = FloodSource::EventAt(i);
            // Every 97th message a SysEx of varying length carrying its number.
            const Bytes bytes = i % 97 == 0
                                    ? Bytes{0xF0, static_cast<std::uint8_t>(i % 128),
                                            static_cast<std::uint8_t>(i / 128 % 128), 0xF7}
                                    : Bytes{message.status(), message.data1(), message.data2()};
            if (queue->Push(bytes, static_cast<std::int64_t>(i)))
                ++i;
            else
                std::this_thread::yield();
        }
    });
    std::uint64_t next = 0;
    std::uint64_t wrong = 0;
    while (next < kCount) {
        queue->Drain([&](std::span<const std::uint8_t> bytes, std::int64_t stamp) {
            const PackedMidiMessage expected = FloodSource::EventAt(next);
            const bool right =
                static_cast<std::uint64_t>(stamp) == next &&
                (next % 97 == 0 ? bytes.size() == 4 && bytes[1] == next % 128
                                : bytes.size() == 3 && bytes[0] == expected.status() &&
                                      bytes[1] == expected.data1() && bytes[2] == expected.data2());
            wrong += right ? 0 : 1;
            ++next;
        });
    }
    port.join();
    EXPECT_EQ(wrong, 0U);
    EXPECT_TRUE(drainAll(*queue).empty());
}

} // namespace
} // namespace velmar::host
