#include "host/HostRingWriter.h"

#include "runtime/HostLinkBlock.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

namespace velmar::host {
namespace {

struct Ring {
    Ring() { bytes.fill(std::byte{0}); }
    alignas(8) std::array<std::byte, HostLinkBlock::kSize> bytes{};
    HostRingWriter writer{bytes.data()};
    HostLinkBlock reader{bytes.data()};

    void setIndex(std::size_t offset, std::uint16_t value)
    {
        std::memcpy(bytes.data() + offset, &value, 2);
    }
};

std::vector<std::uint32_t> drain(HostLinkBlock& reader)
{
    std::vector<std::uint32_t> messages;
    reader.Drain([&](const RingEvent& event) { messages.push_back(event.Message.value()); });
    return messages;
}

TEST(HostRingWriter, FillsTheRingButNeverPastAnUnreadSlot)
{
    Ring ring;
    EXPECT_EQ(ring.writer.FreeSlots(), 999U);
    for (std::uint32_t i = 0; i < 999; ++i)
        ASSERT_TRUE(ring.writer.TryWrite(1, PackedMidiMessage(i))) << i;
    EXPECT_EQ(ring.writer.FreeSlots(), 0U);
    EXPECT_FALSE(ring.writer.TryWrite(1, PackedMidiMessage(999)));

    const auto first = drain(ring.reader);
    ASSERT_EQ(first.size(), 999U);
    for (std::uint32_t i = 0; i < 999; ++i)
        ASSERT_EQ(first[i], i);
    EXPECT_EQ(ring.writer.FreeSlots(), 999U);
}

TEST(HostRingWriter, KeepsOrderOverManyRoundsOfUnevenBatches)
{
    Ring ring;
    std::mt19937 random(7);
    std::uint32_t written = 0;
    std::uint32_t read = 0;
    while (written < 200'000) {
        const auto batch = std::uniform_int_distribution<std::uint32_t>(0, 1200)(random);
        for (std::uint32_t i = 0;
             i < batch && ring.writer.TryWrite(static_cast<std::uint16_t>(written % 16 + 1),
                                               PackedMidiMessage(written));
             ++i)
            ++written;
        for (const std::uint32_t message : drain(ring.reader))
            ASSERT_EQ(message, read++);
    }
    EXPECT_EQ(read, written);
}

TEST(HostRingWriter, ReadIndexOutOfRangeCountsFromSlotOne)
{
    Ring ring;
    ring.setIndex(HostLinkBlock::kWriteIndexOffset, 5);
    ring.setIndex(HostLinkBlock::kReadIndexOffset, 40000);
    EXPECT_EQ(ring.writer.FreeSlots(), 999U - 4U);
    ring.setIndex(HostLinkBlock::kWriteIndexOffset, 65535); // left by an earlier host
    ASSERT_TRUE(ring.writer.TryWrite(3, PackedMidiMessage(0x90)));
    std::uint16_t write = 0;
    std::memcpy(&write, ring.bytes.data() + HostLinkBlock::kWriteIndexOffset, 2);
    EXPECT_EQ(write, 2);
}

TEST(HostRingWriter, SysExBytesWrapAndTheReaderFindsThemBetweenF0AndF7)
{
    Ring ring;
    std::vector<std::uint8_t> big(63998, 0x11);
    ASSERT_TRUE(ring.writer.TryWriteSysEx(1, big));
    EXPECT_EQ(ring.writer.SysExPosition(), 63998);
    const std::vector<std::uint8_t> wrapping{1, 2, 3, 4, 5};
    ASSERT_TRUE(ring.writer.TryWriteSysEx(2, wrapping));

    std::vector<RingEvent> events;
    ring.reader.Drain([&](const RingEvent& event) { events.push_back(event); });
    ASSERT_EQ(events.size(), 4U);
    EXPECT_EQ(events[2].Message.status(), 0xF0);
    EXPECT_EQ(events[3].Message.status(), 0xF7);
    EXPECT_EQ(events[3].Source, 2);
    const auto view = ring.reader.SysEx(HostLinkBlock::SysExPosition(events[2].Message),
                                        HostLinkBlock::SysExPosition(events[3].Message));
    ASSERT_TRUE(view);
    std::vector<std::uint8_t> bytes;
    for (const auto& part : {view->head, view->tail})
        for (const std::byte b : part)
            bytes.push_back(static_cast<std::uint8_t>(b));
    EXPECT_EQ(bytes, wrapping);
    EXPECT_EQ(view->tail.size(), 2U) << "63998, 63999, 64000, then 0 and 1";

    EXPECT_FALSE(ring.writer.TryWriteSysEx(1, {}));
    EXPECT_TRUE(HostRingWriter::SysExFits(64001));
    EXPECT_FALSE(HostRingWriter::SysExFits(64002));
}

TEST(HostRingWriter, SysExNeedsTwoSlots)
{
    Ring ring;
    for (int i = 0; i < 998; ++i)
        ASSERT_TRUE(ring.writer.TryWrite(1, PackedMidiMessage(0x90)));
    const std::vector<std::uint8_t> data{0x7E};
    EXPECT_FALSE(ring.writer.TryWriteSysEx(1, data));
    EXPECT_EQ(ring.writer.SysExPosition(), 0) << "nothing written when it does not fit";
    EXPECT_TRUE(ring.writer.TryWrite(1, PackedMidiMessage(0x90)));
}

} // namespace
} // namespace velmar::host
