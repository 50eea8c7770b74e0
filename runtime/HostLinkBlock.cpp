#include "runtime/HostLinkBlock.h"

namespace velmar {

namespace {

std::uint32_t readLittleEndian32(const std::byte* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8U) |
           (static_cast<std::uint32_t>(bytes[2]) << 16U) |
           (static_cast<std::uint32_t>(bytes[3]) << 24U);
}

} // namespace

std::atomic_ref<std::uint16_t> HostLinkBlock::index(std::size_t offset) const
{
    // The host writes its index with one aligned 16-bit store; we read and write ours the
    // same way, acquiring what the host wrote into a slot before it moved its index.
    return std::atomic_ref<std::uint16_t>(*reinterpret_cast<std::uint16_t*>(m_data + offset));
}

std::uint16_t HostLinkBlock::RingWriteIndex() const
{
    return index(kWriteIndexOffset).load(std::memory_order_acquire);
}

std::uint16_t HostLinkBlock::RingReadIndex() const
{
    return index(kReadIndexOffset).load(std::memory_order_relaxed);
}

bool HostLinkBlock::RingEmpty() const
{
    const std::uint16_t write = RingWriteIndex();
    return write > kLastSlot || write == RingReadIndex();
}

std::optional<RingEvent> HostLinkBlock::TakeEvent()
{
    const std::uint16_t write = RingWriteIndex();
    const std::uint16_t read = RingReadIndex();
    if (write > kLastSlot || write == read)
        return std::nullopt;

    std::optional<RingEvent> event;
    if (read <= kLastSlot) {
        const std::byte* slot = m_data + kSlotOffset + kSlotSize * read;
        event = RingEvent{static_cast<std::uint16_t>(static_cast<unsigned>(slot[0]) |
                                                     (static_cast<unsigned>(slot[1]) << 8U)),
                          PackedMidiMessage(readLittleEndian32(slot + 2))};
    }
    // Stored only once the slot is read: from here on the host may fill it again.
    index(kReadIndexOffset).store(NextIndex(read), std::memory_order_release);
    return event;
}

void HostLinkBlock::StoreHostMark(std::uint32_t mark)
{
    std::atomic_ref<std::uint32_t>(*reinterpret_cast<std::uint32_t*>(m_data + kHostMarkOffset))
        .store(mark, std::memory_order_release);
}

std::optional<SysExView> HostLinkBlock::SysEx(std::uint16_t start, std::uint16_t end) const
{
    if (start > kLastSysExPosition || end > kLastSysExPosition)
        return std::nullopt;
    const std::byte* area = m_data + kSysExOffset;
    if (start < end)
        return SysExView{{area + start, static_cast<std::size_t>(end - start)}, {}};
    // Wraps (or, with equal positions, goes once round the whole area).
    return SysExView{{area + start, kSysExSize - start}, {area, end}};
}

} // namespace velmar
