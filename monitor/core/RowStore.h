#pragma once

#include "monitor/core/GridCell.h"
#include "monitor/core/RowEvent.h"

#include <cstdint>
#include <vector>

namespace velmar::monitor {

// The grid's event rows, numbered 1 to RowCount as in the grid (whose row 0 is the
// header), each with the event it was written from. The intake loop uses them as a ring;
// the text export and the saves read them back.
class RowStore {
public:
    explicit RowStore(std::int32_t rowCount = 1) { Resize(rowCount); }

    [[nodiscard]] std::int32_t RowCount() const { return static_cast<std::int32_t>(m_rows.size()); }

    // `row` is 1 to RowCount.
    [[nodiscard]] GridRow& Row(std::int32_t row) { return m_rows[index(row)]; }
    [[nodiscard]] const GridRow& Row(std::int32_t row) const { return m_rows[index(row)]; }
    [[nodiscard]] RowEvent& Event(std::int32_t row) { return m_events[index(row)]; }
    [[nodiscard]] const RowEvent& Event(std::int32_t row) const { return m_events[index(row)]; }
    [[nodiscard]] QStringView Text(std::int32_t row, std::size_t column) const
    {
        return Row(row)[column].text();
    }

    void ClearRow(std::int32_t row);
    // Every row empty.
    void Clear();
    // Every row empty, and `rowCount` of them, brought into 1 to kMaxDisplayEventCount.
    // Returns the count in force.
    std::int32_t Resize(std::int32_t rowCount);

private:
    [[nodiscard]] static std::size_t index(std::int32_t row)
    {
        return static_cast<std::size_t>(row - 1);
    }

    std::vector<GridRow> m_rows;
    std::vector<RowEvent> m_events;
};

} // namespace velmar::monitor
