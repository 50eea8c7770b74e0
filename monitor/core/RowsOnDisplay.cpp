#include "monitor/core/RowsOnDisplay.h"

namespace velmar::monitor {

std::vector<std::int32_t> RowsOnDisplay(const RowStore& rows, std::int32_t currentRow, bool wrapped)
{
    std::vector<std::int32_t> order;
    const std::int32_t count = rows.RowCount();
    if (currentRow < 1 || currentRow > count)
        return order;
    std::int32_t row = wrapped ? currentRow % count + 1 : 1;
    for (;;) {
        if (!rows.Row(row)[kNumberColumn].empty())
            order.push_back(row);
        if (row == currentRow)
            break;
        row = row % count + 1;
    }
    return order;
}

} // namespace velmar::monitor
