#pragma once

#include "runtime/PackedMidiMessage.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmar {

// One MIDI event as the host leaves it in the ring.
struct RingEvent {
    // 0: from the computer's MIDI input; otherwise the host output port it was sent to.
    std::uint16_t Source = 0;
    PackedMidiMessage Message;

    friend bool operator==(const RingEvent&, const RingEvent&) = default;
};

// The bytes of one system exclusive message in the circular SysEx area: `head` up to the
// area's end, then `tail` from its start when the message wraps.
struct SysExView {
    std::span<const std::byte> head;
    std::span<const std::byte> tail;
    [[nodiscard]] std::size_t size() const { return head.size() + tail.size(); }
};

// The record the host and a plug-in share: a ring of MIDI events that the host fills and
// the plug-in drains, the SysEx area beside it, and the mark the host asks the plug-in to
// keep. The host is trusted for nothing: every index and position it leaves is checked
// before it addresses memory, so no value makes the plug-in touch bytes outside the block.
class HostLinkBlock {
public:
    static constexpr std::size_t kSize = 70020;
    static constexpr std::uint16_t kLastSlot = 1000;
    static constexpr std::uint16_t kLastSysExPosition = 64000;
    static constexpr std::size_t kSysExSize = kLastSysExPosition + 1;

    static constexpr std::size_t kSlotOffset = 6;
    static constexpr std::size_t kSlotSize = 6;
    static constexpr std::size_t kHostMarkOffset = 8;
    static constexpr std::size_t kWriteIndexOffset = 6012;
    static constexpr std::size_t kReadIndexOffset = 6014;
    static constexpr std::size_t kSysExOffset = 6016;

    // `data` must hold kSize bytes, 4-byte aligned (the shared mapping's data is).
    explicit HostLinkBlock(std::byte* data)
        : m_data(data)
    {}

    [[nodiscard]] std::uint16_t RingWriteIndex() const;
    [[nodiscard]] std::uint16_t RingReadIndex() const;

    // Nothing waits: the indices are equal, or the host's index is out of range (a ring
    // that the host has not set up is not read).
    [[nodiscard]] bool RingEmpty() const;

    // Takes the event at the read index and advances it; nothing when the ring is empty.
    // A read index out of range addresses no slot: it moves on to slot 1 and yields nothing.
    [[nodiscard]] std::optional<RingEvent> TakeEvent();

    // Hands every waiting event to `consumer`, reading the host's index afresh after each
    // one so that events added meanwhile are taken too. At most one ring's worth per call,
    // so a host that never stops writing cannot hold the caller forever.
    template <typename Consumer>
    std::size_t Drain(Consumer&& consumer)
    {
        std::size_t taken = 0;
        for (std::size_t step = 0; step < kLastSlot; ++step) {
            const std::optional<RingEvent> event = TakeEvent();
            if (!event) {
                if (RingEmpty())
                    break;
                continue; // an out-of-range read index was moved on; keep draining
            }
            consumer(*event);
            ++taken;
        }
        return taken;
    }

    // The read index that follows `index`: 1000 and above wrap to 1.
    [[nodiscard]] static constexpr std::uint16_t NextIndex(std::uint16_t index)
    {
        return index >= kLastSlot ? std::uint16_t{1} : static_cast<std::uint16_t>(index + 1U);
    }

    // Stores the mark the host asked for; the plug-in never reads it back.
    void StoreHostMark(std::uint32_t mark);

    // The bytes of a SysEx message from `start` up to, not including, `end`, wrapping after
    // position 64000; equal positions take the whole area. Nothing when a position is out
    // of range.
    [[nodiscard]] std::optional<SysExView> SysEx(std::uint16_t start, std::uint16_t end) const;

    // The SysEx position named by an F0 or F7 event: first data byte × 256 + second.
    [[nodiscard]] static constexpr std::uint16_t SysExPosition(PackedMidiMessage message)
    {
        return static_cast<std::uint16_t>(message.data1() * 256U + message.data2());
    }

private:
    [[nodiscard]] std::atomic_ref<std::uint16_t> index(std::size_t offset) const;

    std::byte* m_data;
};

} // namespace velmar
