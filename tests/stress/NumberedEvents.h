#pragma once

#include "runtime/HostLinkBlock.h"

#include <cstdint>

namespace velmar::test {

// Event number i of a load test: the message bytes carry the number's low 24 bits and the
// source a hash of the whole number, so a lost, repeated, reordered or damaged event never
// looks like the one expected in its place.
[[nodiscard]] inline RingEvent NumberedEvent(std::uint64_t number)
{
    return {static_cast<std::uint16_t>((number * 0x9E3779B97F4A7C15ULL) >> 48U),
            PackedMidiMessage::pack(static_cast<std::uint8_t>(number & 0xFFU),
                                    static_cast<std::uint8_t>((number >> 8U) & 0xFFU),
                                    static_cast<std::uint8_t>((number >> 16U) & 0xFFU))};
}

// Checks events as they are drained against the numbers they must carry.
class NumberedEventCheck {
public:
    void operator()(const RingEvent& event)
    {
        if (event != NumberedEvent(m_received) && m_wrong++ == 0)
            m_firstWrong = m_received;
        ++m_received;
    }

    [[nodiscard]] std::uint64_t received() const { return m_received; }
    [[nodiscard]] std::uint64_t wrong() const { return m_wrong; }
    [[nodiscard]] std::uint64_t firstWrong() const { return m_firstWrong; }

private:
    std::uint64_t m_received = 0;
    std::uint64_t m_wrong = 0;
    std::uint64_t m_firstWrong = 0;
};

} // namespace velmar::test
