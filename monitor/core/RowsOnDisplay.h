#pragma once

#include "monitor/core/RowStore.h"

#include <cstdint>
#include <vector>

namespace velmar::monitor {

// The rows that show an event, in the order they were written, oldest first: rows 1 to
// `currentRow` until the rows have `wrapped`, from the row after `currentRow` round to it
// since. Rows without an event number (the separator, a SysEx start waiting for its end)
// are left out.
[[nodiscard]] std::vector<std::int32_t> RowsOnDisplay(const RowStore& rows, std::int32_t currentRow,
                                                      bool wrapped);

} // namespace velmar::monitor
