#include "monitor/core/RowStore.h"

#include <algorithm>

namespace velmar::monitor {

void RowStore::ClearRow(std::int32_t row)
{
    for (GridCell& cell : Row(row))
        cell.clear();
    Event(row) = RowEvent{};
}

void RowStore::Clear()
{
    for (GridRow& row : m_rows)
        for (GridCell& cell : row)
            cell.clear();
    std::fill(m_events.begin(), m_events.end(), RowEvent{});
}

std::int32_t RowStore::Resize(std::int32_t rowCount)
{
    // The intake loop divides by the row count, so there is always at least one row.
    const std::int32_t count = std::clamp<std::int32_t>(rowCount, 1, kMaxDisplayEventCount);
    m_rows.assign(static_cast<std::size_t>(count), GridRow{});
    m_rows.shrink_to_fit();
    m_events.assign(static_cast<std::size_t>(count), RowEvent{});
    m_events.shrink_to_fit();
    return count;
}

} // namespace velmar::monitor
