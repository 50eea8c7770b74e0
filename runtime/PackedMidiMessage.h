#pragma once

#include <cstdint>

namespace velmar {

// A short MIDI message in 32 bits: status in bits 0-7, first data byte in bits 8-15,
// second data byte in bits 16-23, bits 24-31 zero. The form of a ring event's message
// and of the notes a plug-in sends to the host.
class PackedMidiMessage {
public:
    constexpr PackedMidiMessage() = default;
    constexpr explicit PackedMidiMessage(std::uint32_t value)
        : m_value(value)
    {}

    [[nodiscard]] static constexpr PackedMidiMessage pack(std::uint8_t status, std::uint8_t data1,
                                                          std::uint8_t data2)
    {
        return PackedMidiMessage(static_cast<std::uint32_t>(status) |
                                 (static_cast<std::uint32_t>(data1) << 8U) |
                                 (static_cast<std::uint32_t>(data2) << 16U));
    }

    [[nodiscard]] constexpr std::uint32_t value() const { return m_value; }
    [[nodiscard]] constexpr std::uint8_t status() const { return byteAt(0); }
    [[nodiscard]] constexpr std::uint8_t data1() const { return byteAt(1); }
    [[nodiscard]] constexpr std::uint8_t data2() const { return byteAt(2); }

    friend constexpr bool operator==(PackedMidiMessage, PackedMidiMessage) = default;

private:
    [[nodiscard]] constexpr std::uint8_t byteAt(unsigned index) const
    {
        return static_cast<std::uint8_t>((m_value >> (8U * index)) & 0xFFU);
    }

    std::uint32_t m_value = 0;
};

} // namespace velmar
