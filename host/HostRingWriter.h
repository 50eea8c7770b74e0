#pragma once

#include "runtime/HostLinkBlock.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::host {

// The host's side of the event ring: fills slots and advances the write index, never past
// a slot the plug-in has not read yet. The plug-in's read index is checked like any
// value another process leaves behind.
class HostRingWriter {
public:
    // `block` is the host link block (HostLinkBlock::kSize bytes, 4-byte aligned).
    explicit HostRingWriter(std::byte* block)
        : m_block(block)
    {}

    // Slots that can be written before the plug-in must read.
    [[nodiscard]] std::size_t FreeSlots() const;

    // Writes one event; false (and nothing written) when the ring is full.
    bool TryWrite(std::uint16_t source, PackedMidiMessage message);

    // Writes a SysEx message's data bytes (without F0 and F7) into the SysEx area and an
    // F0 and an F7 event naming their start and end. False when the ring lacks two slots;
    // a message that is empty or longer than the area is refused the same way (see
    // SysExFits).
    bool TryWriteSysEx(std::uint16_t source, std::span<const std::uint8_t> data);
    [[nodiscard]] static bool SysExFits(std::size_t length)
    {
        return length >= 1 && length <= HostLinkBlock::kSysExSize;
    }

    // Where the next SysEx message's bytes will start.
    [[nodiscard]] std::uint16_t SysExPosition() const { return m_sysExPosition; }

private:
    void writeSlot(std::uint16_t index, std::uint16_t source, PackedMidiMessage message);
    void publish(std::uint16_t nextWriteIndex);
    [[nodiscard]] std::uint16_t writeIndex() const;
    [[nodiscard]] std::uint16_t readIndex() const;

    std::byte* m_block;
    std::uint16_t m_sysExPosition = 0;
};

} // namespace velmar::host
