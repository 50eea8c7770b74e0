#pragma once

#include "monitor/core/OstraSettings.h"

#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmar::monitor {

// The text of one grid cell, kept in place so that writing an event allocates nothing.
// Text beyond the capacity is cut off; the longest English cell (a controller's name after
// its label) takes 38 characters, which leaves room for translations.
class GridCell {
public:
    static constexpr std::size_t kCapacity = 64;

    void clear() { m_length = 0; }
    [[nodiscard]] bool empty() const { return m_length == 0; }
    [[nodiscard]] QStringView text() const { return {m_text.data(), m_length}; }

    GridCell& operator+=(QStringView text)
    {
        const std::size_t count = room(static_cast<std::size_t>(text.size()));
        const QChar* from = text.data();
        for (std::size_t i = 0; i < count; ++i)
            m_text[m_length + i] = from[i].unicode();
        m_length = static_cast<std::uint8_t>(m_length + count);
        // A cut may leave the first half of a surrogate pair at the end; it shows as nothing.
        if (count < static_cast<std::size_t>(text.size()) && m_length > 0 &&
            QChar::isHighSurrogate(m_text[m_length - 1U]))
            --m_length;
        return *this;
    }

    // ASCII text only: the number tables and digits.
    GridCell& operator+=(std::string_view ascii)
    {
        const std::size_t count = room(ascii.size());
        for (std::size_t i = 0; i < count; ++i)
            m_text[m_length + i] = static_cast<char16_t>(ascii[i]);
        m_length = static_cast<std::uint8_t>(m_length + count);
        return *this;
    }

private:
    [[nodiscard]] std::size_t room(std::size_t wanted) const
    {
        return wanted < kCapacity - m_length ? wanted : kCapacity - m_length;
    }

    std::array<char16_t, kCapacity> m_text{};
    std::uint8_t m_length = 0;
};

// The grid's columns.
inline constexpr std::size_t kNumberColumn = 0;
inline constexpr std::size_t kTimeColumn = 1;
inline constexpr std::size_t kSourceColumn = 2;
inline constexpr std::size_t kRawColumn = 3;
inline constexpr std::size_t kStatusColumn = 4;
inline constexpr std::size_t kChannelColumn = 5;
inline constexpr std::size_t kData1Column = 6;
inline constexpr std::size_t kData2Column = 7;

// One grid row: the event number, time, source, raw bytes, status, channel and two data
// columns.
using GridRow = std::array<GridCell, kGridColumnCount>;

} // namespace velmar::monitor
