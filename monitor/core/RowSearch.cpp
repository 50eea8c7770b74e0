#include "monitor/core/RowSearch.h"

#include <algorithm>

namespace velmar::monitor {

namespace {

bool rowHolds(const GridRow& row, QStringView text)
{
    return std::any_of(row.begin(), row.end(), [text](const GridCell& cell) {
        return cell.text().contains(text, Qt::CaseInsensitive);
    });
}

} // namespace

std::optional<SearchHit> FindRow(const RowStore& rows, std::span<const std::int32_t> order,
                                 QStringView text, std::optional<std::size_t> from,
                                 SearchDirection direction)
{
    const std::size_t count = order.size();
    if (text.isEmpty() || count == 0)
        return std::nullopt;
    const bool forward = direction == SearchDirection::Forward;
    // Each step moves one place first, so the row at `from` is the last one tried.
    const bool started = from && *from < count;
    std::size_t position = started ? *from : (forward ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        const bool atEnd = forward ? position + 1 == count : position == 0;
        position = forward ? (atEnd ? 0 : position + 1) : (atEnd ? count - 1 : position - 1);
        if (rowHolds(rows.Row(order[position]), text)) {
            const bool wentRound = started && (forward ? position <= *from : position >= *from);
            return SearchHit{position, wentRound};
        }
    }
    return std::nullopt;
}

} // namespace velmar::monitor
