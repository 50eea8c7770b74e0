#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::monitor {

// What a grid row was written from, kept beside its texts, so that the row's message and a
// dump's bytes can be saved as they were and never have to be read back from the texts
// (which the number forms change, and which the host's circular SysEx area does not keep).
struct RowEvent {
    static constexpr std::size_t kBytesPerRow = 16;

    enum class Kind : std::uint8_t {
        None,
        // A message of its own: `status`, `data1` and `data2`.
        Message,
        // The rows of a SysEx dump: its first row, the rows after it, the end marker's row.
        DumpStart,
        DumpMore,
        DumpEnd,
    };

    Kind kind = Kind::None;
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    // The clock's time the row shows.
    std::int32_t timeMs = 0;
    // The dump's bytes this row shows, as the SysEx area held them when it was written.
    std::uint8_t byteCount = 0;
    std::array<std::uint8_t, kBytesPerRow> bytes{};

    [[nodiscard]] std::span<const std::uint8_t> Bytes() const { return {bytes.data(), byteCount}; }
    [[nodiscard]] bool InDump() const
    {
        return kind == Kind::DumpStart || kind == Kind::DumpMore || kind == Kind::DumpEnd;
    }
};

} // namespace velmar::monitor
