#include "monitor/dialogs/TextTabStops.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <vector>

namespace velmar::monitor {

QList<QTextOption::Tab> TextTabStops(const QString& text, const QFontMetricsF& metrics,
                                     std::span<const int> gridWidths)
{
    // The widest text of each column but the last, which no tab ends.
    std::vector<qreal> widest;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QList<QStringView> cells = line.split(u'\t');
        if (widest.size() + 1 < static_cast<std::size_t>(cells.size()))
            widest.resize(static_cast<std::size_t>(cells.size()) - 1, 0.0);
        for (qsizetype i = 0; i + 1 < cells.size(); ++i)
            widest[static_cast<std::size_t>(i)] =
                std::max(widest[static_cast<std::size_t>(i)],
                         metrics.horizontalAdvance(cells[i].toString()));
    }
    // Two spaces between a column's text and the next column.
    const qreal gap = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    QList<QTextOption::Tab> stops;
    qreal gridStart = 0;
    qreal start = 0;
    for (std::size_t i = 0; i < widest.size(); ++i) {
        gridStart += i < gridWidths.size() ? gridWidths[i] : 0;
        start = std::max(gridStart, start + widest[i] + gap);
        stops.append(QTextOption::Tab(start, QTextOption::LeftTab));
    }
    return stops;
}

} // namespace velmar::monitor
