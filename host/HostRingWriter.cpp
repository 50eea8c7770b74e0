#include "host/HostRingWriter.h"

#include <atomic>

namespace velmar::host {

namespace {

std::atomic_ref<std::uint16_t> indexAt(std::byte* block, std::size_t offset)
{
    return std::atomic_ref<std::uint16_t>(*reinterpret_cast<std::uint16_t*>(block + offset));
}

PackedMidiMessage positionEvent(std::uint8_t status, std::uint16_t position)
{
    return PackedMidiMessage::pack(status, static_cast<std::uint8_t>(position >> 8U),
                                   static_cast<std::uint8_t>(position & 0xFFU));
}

} // namespace

std::uint16_t HostRingWriter::writeIndex() const
{
    // Only we write it; a value out of range (left by an earlier host) starts over at 1.
    const std::uint16_t index =
        indexAt(m_block, HostLinkBlock::kWriteIndexOffset).load(std::memory_order_relaxed);
    return index > HostLinkBlock::kLastSlot ? std::uint16_t{1} : index;
}

std::uint16_t HostRingWriter::readIndex() const
{
    return indexAt(m_block, HostLinkBlock::kReadIndexOffset).load(std::memory_order_acquire);
}

std::size_t HostRingWriter::FreeSlots() const
{
    const std::uint16_t write = writeIndex();
    const std::uint16_t read = readIndex();
    // A read index out of range will be moved to slot 1 by the plug-in before it reads:
    // count from there.
    const std::uint16_t effectiveRead = read > HostLinkBlock::kLastSlot ? std::uint16_t{1} : read;
    // Indices run 1..1000 and round again (a fresh block starts at 0, just before 1), so
    // the unread count is their difference round the ring. One slot stays free: equal
    // indices mean empty.
    constexpr int kRing = HostLinkBlock::kLastSlot;
    const int used = (static_cast<int>(write) - static_cast<int>(effectiveRead) + kRing) % kRing;
    return static_cast<std::size_t>(kRing - 1 - used);
}

void HostRingWriter::writeSlot(std::uint16_t index, std::uint16_t source, PackedMidiMessage message)
{
    std::byte* slot = m_block + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * index;
    slot[0] = static_cast<std::byte>(source & 0xFFU);
    slot[1] = static_cast<std::byte>(source >> 8U);
    const std::uint32_t value = message.value();
    for (std::size_t i = 0; i < 4; ++i)
        slot[2 + i] = static_cast<std::byte>((value >> (8U * i)) & 0xFFU);
}

void HostRingWriter::publish(std::uint16_t nextWriteIndex)
{
    // Release: the plug-in that sees the new index sees the slots written before it.
    indexAt(m_block, HostLinkBlock::kWriteIndexOffset)
        .store(nextWriteIndex, std::memory_order_release);
}

bool HostRingWriter::TryWrite(std::uint16_t source, PackedMidiMessage message)
{
    if (FreeSlots() < 1)
        return false;
    const std::uint16_t write = writeIndex();
    writeSlot(write, source, message);
    publish(HostLinkBlock::NextIndex(write));
    return true;
}

bool HostRingWriter::TryWriteSysEx(std::uint16_t source, std::span<const std::uint8_t> data)
{
    if (!SysExFits(data.size()) || FreeSlots() < 2)
        return false;
    const std::uint16_t start = m_sysExPosition;
    std::byte* area = m_block + HostLinkBlock::kSysExOffset;
    std::size_t position = start;
    for (const std::uint8_t byte : data) {
        area[position] = static_cast<std::byte>(byte);
        position = position == HostLinkBlock::kLastSysExPosition ? 0 : position + 1;
    }
    m_sysExPosition = static_cast<std::uint16_t>(position);

    const std::uint16_t first = writeIndex();
    const std::uint16_t second = HostLinkBlock::NextIndex(first);
    writeSlot(first, source, positionEvent(0xF0, start));
    writeSlot(second, source, positionEvent(0xF7, m_sysExPosition));
    publish(HostLinkBlock::NextIndex(second));
    return true;
}

} // namespace velmar::host
