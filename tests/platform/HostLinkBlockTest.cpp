#include "runtime/HostLinkBlock.h"

#include "runtime/HostMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace velmar {
namespace {

// A block in ordinary memory, written the way the host writes the shared one.
class FakeHost {
public:
    FakeHost() { bytes.fill(std::byte{0}); }

    HostLinkBlock block() { return HostLinkBlock(bytes.data()); }

    void putSlot(std::uint16_t slot, std::uint16_t source, std::uint32_t message)
    {
        std::byte* at = bytes.data() + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * slot;
        std::memcpy(at, &source, 2);
        std::memcpy(at + 2, &message, 4);
    }
    void setWriteIndex(std::uint16_t index) { put16(HostLinkBlock::kWriteIndexOffset, index); }
    void setReadIndex(std::uint16_t index) { put16(HostLinkBlock::kReadIndexOffset, index); }
    [[nodiscard]] std::uint16_t readIndex() const { return get16(HostLinkBlock::kReadIndexOffset); }

    // Writes one event at the write index and advances it by the ring's rule.
    void write(std::uint16_t source, std::uint32_t message)
    {
        const std::uint16_t at = get16(HostLinkBlock::kWriteIndexOffset);
        putSlot(at, source, message);
        setWriteIndex(HostLinkBlock::NextIndex(at));
    }

    alignas(8) std::array<std::byte, HostLinkBlock::kSize> bytes{};

private:
    void put16(std::size_t offset, std::uint16_t value)
    {
        std::memcpy(bytes.data() + offset, &value, 2);
    }
    [[nodiscard]] std::uint16_t get16(std::size_t offset) const
    {
        std::uint16_t value = 0;
        std::memcpy(&value, bytes.data() + offset, 2);
        return value;
    }
};

std::vector<RingEvent> drainAll(HostLinkBlock block)
{
    std::vector<RingEvent> events;
    block.Drain([&](const RingEvent& event) { events.push_back(event); });
    return events;
}

TEST(HostLinkBlock, EqualIndicesReadAndWriteNothing)
{
    FakeHost host;
    host.setWriteIndex(17);
    host.setReadIndex(17);
    auto block = host.block();
    EXPECT_TRUE(block.RingEmpty());
    EXPECT_FALSE(block.TakeEvent());
    EXPECT_TRUE(drainAll(block).empty());
    EXPECT_EQ(host.readIndex(), 17);
}

TEST(HostLinkBlock, FreshBlockTakesSlotZeroThenMovesToOne)
{
    FakeHost host;
    host.write(3, 0x00'40'3C'90);
    auto block = host.block();
    const auto event = block.TakeEvent();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Source, 3);
    EXPECT_EQ(event->Message.status(), 0x90);
    EXPECT_EQ(event->Message.data1(), 0x3C);
    EXPECT_EQ(event->Message.data2(), 0x40);
    EXPECT_EQ(host.readIndex(), 1);
}

TEST(HostLinkBlock, IndexThousandWrapsToOne)
{
    FakeHost host;
    host.setReadIndex(1000);
    host.setWriteIndex(1000);
    host.write(0, 0x99);
    host.write(0, 0x89);
    EXPECT_EQ(drainAll(host.block()).size(), 2U);
    EXPECT_EQ(host.readIndex(), 2);
    EXPECT_EQ(HostLinkBlock::NextIndex(999), 1000);
    EXPECT_EQ(HostLinkBlock::NextIndex(1000), 1);
    EXPECT_EQ(HostLinkBlock::NextIndex(0), 1);
}

TEST(HostLinkBlock, DrainTakesEventsAddedWhileDraining)
{
    FakeHost host;
    host.setReadIndex(1);
    host.setWriteIndex(1);
    host.write(0, 1);
    host.write(0, 2);
    std::vector<std::uint32_t> seen;
    host.block().Drain([&](const RingEvent& event) {
        seen.push_back(event.Message.value());
        if (event.Message.value() < 5)
            host.write(0, event.Message.value() + 2);
    });
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
}

TEST(HostLinkBlock, FullRingDrainsInOrderAcrossTheWrap)
{
    FakeHost host;
    host.setReadIndex(500);
    host.setWriteIndex(500);
    for (std::uint32_t i = 0; i < 999; ++i)
        host.write(static_cast<std::uint16_t>(i % 17), i);
    const auto events = drainAll(host.block());
    ASSERT_EQ(events.size(), 999U);
    for (std::uint32_t i = 0; i < 999; ++i) {
        EXPECT_EQ(events[i].Message.value(), i);
        EXPECT_EQ(events[i].Source, i % 17);
    }
    EXPECT_EQ(host.readIndex(), 499);
}

TEST(HostLinkBlock, HostIndexOutOfRangeReadsNothing)
{
    FakeHost host;
    for (std::uint16_t write : {std::uint16_t{1001}, std::uint16_t{6012}, std::uint16_t{65535}}) {
        host.setWriteIndex(write);
        host.setReadIndex(5);
        EXPECT_TRUE(host.block().RingEmpty());
        EXPECT_TRUE(drainAll(host.block()).empty());
        EXPECT_EQ(host.readIndex(), 5) << "write index " << write;
    }
}

TEST(HostLinkBlock, ReadIndexOutOfRangeSkipsToSlotOne)
{
    FakeHost host;
    host.putSlot(1, 7, 0x42);
    host.putSlot(2, 8, 0x43);
    host.setWriteIndex(3);
    for (std::uint16_t read : {std::uint16_t{1001}, std::uint16_t{40000}, std::uint16_t{65535}}) {
        host.setReadIndex(read);
        const auto events = drainAll(host.block());
        ASSERT_EQ(events.size(), 2U) << "read index " << read;
        EXPECT_EQ(events[0], (RingEvent{7, PackedMidiMessage(0x42)}));
        EXPECT_EQ(host.readIndex(), 3);
    }
}

TEST(HostLinkBlock, HostMarkLandsInBytesEightToEleven)
{
    FakeHost host;
    host.bytes[6] = std::byte{0xAA};
    host.bytes[7] = std::byte{0xBB};
    host.bytes[12] = std::byte{0xCC};
    host.block().StoreHostMark(0x12345678);
    EXPECT_EQ(host.bytes[8], std::byte{0x78});
    EXPECT_EQ(host.bytes[9], std::byte{0x56});
    EXPECT_EQ(host.bytes[10], std::byte{0x34});
    EXPECT_EQ(host.bytes[11], std::byte{0x12});
    EXPECT_EQ(host.bytes[6], std::byte{0xAA});
    EXPECT_EQ(host.bytes[7], std::byte{0xBB});
    EXPECT_EQ(host.bytes[12], std::byte{0xCC});
}

TEST(HostLinkBlock, PlugInWindowsAnswerTheMarkAndNothingElse)
{
    FakeHost host;
    auto block = host.block();
    EXPECT_EQ(HandlePlugInMessage(block, HostMsgSetMark, 0x1'0000'0007), 1);
    EXPECT_EQ(host.bytes[8], std::byte{7});
    EXPECT_EQ(host.bytes[11], std::byte{0}) << "only the low 32 bits are kept";
    EXPECT_FALSE(HandlePlugInMessage(block, HostCmdPlay, 5));
    EXPECT_FALSE(HandlePlugInMessage(block, HostMsgSetMark + 1, 5));
    EXPECT_EQ(host.bytes[8], std::byte{7});
}

TEST(HostLinkBlock, SysExRangesWrapAfterLastPosition)
{
    FakeHost host;
    auto at = [&](std::size_t position) {
        return host.bytes.data() + HostLinkBlock::kSysExOffset + position;
    };
    *at(63999) = std::byte{1};
    *at(64000) = std::byte{2};
    *at(0) = std::byte{3};
    *at(1) = std::byte{4};
    const auto block = host.block();

    const auto wrapped = block.SysEx(63999, 2);
    ASSERT_TRUE(wrapped);
    ASSERT_EQ(wrapped->size(), 4U);
    std::vector<std::byte> bytes(wrapped->head.begin(), wrapped->head.end());
    bytes.insert(bytes.end(), wrapped->tail.begin(), wrapped->tail.end());
    EXPECT_EQ(bytes,
              (std::vector<std::byte>{std::byte{1}, std::byte{2}, std::byte{3}, std::byte{4}}));

    EXPECT_EQ(block.SysEx(10, 20)->size(), 10U);
    EXPECT_EQ(block.SysEx(7, 7)->size(), 64001U);
    EXPECT_EQ(block.SysEx(64000, 64000)->size(), 64001U);
    EXPECT_EQ(block.SysEx(0, 64000)->size(), 64000U);
}

TEST(HostLinkBlock, SysExPositionsOutOfRangeReadNothing)
{
    FakeHost host;
    const auto block = host.block();
    EXPECT_FALSE(block.SysEx(64001, 5));
    EXPECT_FALSE(block.SysEx(5, 64001));
    EXPECT_FALSE(block.SysEx(65535, 65535));
    EXPECT_EQ(HostLinkBlock::SysExPosition(PackedMidiMessage::pack(0xF0, 0xFA, 0x00)), 64000);
    EXPECT_EQ(HostLinkBlock::SysExPosition(PackedMidiMessage::pack(0xF7, 0xFF, 0xFF)), 65535);
}

TEST(HostLinkBlock, EverySysExRangeStaysInsideTheBlock)
{
    FakeHost host;
    const auto block = host.block();
    const std::byte* first = host.bytes.data();
    const std::byte* last = host.bytes.data() + host.bytes.size();
    for (std::uint32_t start = 0; start <= 65535; start += 7) {
        for (std::uint16_t end :
             {std::uint16_t{0}, std::uint16_t{1}, std::uint16_t{63999}, std::uint16_t{64000},
              std::uint16_t{64001}, std::uint16_t{65535}}) {
            const auto view = block.SysEx(static_cast<std::uint16_t>(start), end);
            if (!view)
                continue;
            for (const auto& part : {view->head, view->tail}) {
                if (part.empty())
                    continue;
                ASSERT_GE(part.data(), first);
                ASSERT_LE(part.data() + part.size(), last);
            }
            ASSERT_GE(view->size(), 1U);
        }
    }
}

} // namespace
} // namespace velmar
