#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::fuzz {

// A fuzzer's input read front to back as the values a target needs. Past the end every
// number reads 0 and every run of bytes is empty, so any input is a complete one.
class FuzzInput {
public:
    explicit FuzzInput(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {}

    [[nodiscard]] bool empty() const { return m_at == m_bytes.size(); }

    std::uint8_t u8() { return empty() ? std::uint8_t{0} : m_bytes[m_at++]; }

    // Little-endian, as the shared block and the settings files hold their numbers.
    std::uint16_t u16()
    {
        const std::uint8_t low = u8();
        return static_cast<std::uint16_t>(low | (u8() << 8U));
    }

    std::uint32_t u32()
    {
        const std::uint16_t low = u16();
        return low | (std::uint32_t{u16()} << 16U);
    }

    // Up to `count` bytes: fewer when the input ends first.
    std::span<const std::uint8_t> bytes(std::size_t count)
    {
        const std::size_t taken = count < m_bytes.size() - m_at ? count : m_bytes.size() - m_at;
        const std::span<const std::uint8_t> part = m_bytes.subspan(m_at, taken);
        m_at += taken;
        return part;
    }

    std::span<const std::uint8_t> rest() { return bytes(m_bytes.size() - m_at); }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

} // namespace velmar::fuzz
