#include "monitor/core/RowCopy.h"

#include "monitor/core/EventText.h"

namespace velmar::monitor {

QString RowsText(const EventGridModel& grid, std::span<const std::int32_t> rows,
                 QStringView lineEnd)
{
    QString text = HeaderLine(grid);
    text += lineEnd;
    for (const std::int32_t row : rows) {
        text += EventLine(grid.rows().Row(row));
        text += lineEnd;
    }
    return text;
}

} // namespace velmar::monitor
