#pragma once

#include "monitor/core/EventGridModel.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <span>

namespace velmar::monitor {

// Grid rows as the text export writes them, for the clipboard: the header line, then the
// line of each row in the order given, each line ended by `lineEnd`.
[[nodiscard]] QString RowsText(const EventGridModel& grid, std::span<const std::int32_t> rows,
                               QStringView lineEnd);

} // namespace velmar::monitor
