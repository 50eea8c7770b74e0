#pragma once

#include <QList>
#include <QTextOption>

#include <span>

class QFontMetricsF;
class QString;

namespace velmar::monitor {

// Tab stops that line up the columns of tab-separated `text` as the event grid does: column k
// starts where it starts in the grid (`gridWidths`, the grid's column widths), or further
// right where a longer text of an earlier column in `metrics`' face needs the room.
[[nodiscard]] QList<QTextOption::Tab>
TextTabStops(const QString& text, const QFontMetricsF& metrics, std::span<const int> gridWidths);

} // namespace velmar::monitor
