#pragma once

#include "runtime/PackedMidiMessage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace velmar::drums {

// A ring event held back until its due time on the millisecond clock.
struct DelayedEvent {
    PackedMidiMessage Message;
    std::uint16_t Port = 0;
    std::uint32_t Due = 0;

    friend bool operator==(const DelayedEvent&, const DelayedEvent&) = default;
};

// The events waiting for the host's display delay, oldest first: 101 entries, so up to
// 100 wait at once.
class DelayQueue {
public:
    static constexpr std::size_t kEntries = 101;

    // Queues `event`. A full queue first gives back its oldest event for the caller to
    // show at once: under overload hits show early rather than not at all.
    [[nodiscard]] std::optional<DelayedEvent> Push(const DelayedEvent& event);

    // The oldest event once `now` has reached its due time; readings of the wrapping
    // clock are compared by their signed 32-bit difference.
    [[nodiscard]] std::optional<DelayedEvent> PopDue(std::uint32_t now);

    [[nodiscard]] bool empty() const { return m_read == m_write; }

private:
    [[nodiscard]] static std::size_t after(std::size_t position)
    {
        return position + 1 == kEntries ? 0 : position + 1;
    }

    std::array<DelayedEvent, kEntries> m_entries{};
    std::size_t m_write = 0;
    std::size_t m_read = 0;
};

} // namespace velmar::drums
