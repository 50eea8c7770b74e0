#pragma once

#include "monitor/core/RowStore.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmar::monitor {

// One SysEx dump on display: where its rows are in the rows on display, and its bytes as
// the SysEx area held them when its rows were written.
struct DisplayedDump {
    std::size_t First = 0;
    std::size_t Last = 0;
    // Its first row and its end marker are both on display: nothing of it was overwritten
    // or cut off by a full display.
    bool Whole = false;
    std::vector<std::uint8_t> Bytes;
};

// The dumps among `order` (the rows on display, oldest first), in that order.
[[nodiscard]] std::vector<DisplayedDump> DumpsOnDisplay(const RowStore& rows,
                                                        std::span<const std::int32_t> order);

// What a .syx file of the dumps that `selected` rows belong to holds.
struct SysExFile {
    // F0, the bytes and F7 of each whole dump, oldest first.
    std::string Bytes;
    std::size_t Dumps = 0;
    // Dumps that were selected but are not whole on display, and so were left out.
    std::size_t NotWhole = 0;
};

// `selected` are grid rows in any order; rows outside `order` count for nothing.
[[nodiscard]] SysExFile SysExFileOf(const RowStore& rows, std::span<const std::int32_t> order,
                                    std::span<const std::int32_t> selected);

} // namespace velmar::monitor
