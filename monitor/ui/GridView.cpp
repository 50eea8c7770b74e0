#include "monitor/ui/GridView.h"

#include "monitor/ui/GridScrollBar.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <vector>

namespace velmar::monitor {

namespace {

// Where the last pixel of each shown section of `header` from `first` to `last` lies in the
// viewport: a row's bottom line or a column's right one.
std::vector<int> sectionEnds(const QHeaderView& header, int first, int last)
{
    std::vector<int> ends;
    int from = header.visualIndexAt(first);
    int to = header.visualIndexAt(last);
    if (from < 0)
        from = 0;
    if (to < 0)
        to = header.count() - 1;
    for (int visual = from; visual <= to; ++visual) {
        const int section = header.logicalIndex(visual);
        if (header.isSectionHidden(section))
            continue;
        ends.push_back(header.sectionViewportPosition(section) + header.sectionSize(section) - 1);
    }
    return ends;
}

} // namespace

GridView::GridView(QWidget* parent)
    : QTableView(parent)
{
    setVerticalScrollBar(new GridScrollBar(Qt::Vertical, this));
    followStyle();
}

void GridView::followStyle()
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    m_drawsLines =
        isLeftToRight() &&
        style()->styleHint(QStyle::SH_Table_AlwaysDrawLeftTopGridLines, &option, this) == 0;
    // The table keeps each cell a pixel short of the next for its lines either way.
    setGridStyle(m_drawsLines ? Qt::NoPen : Qt::SolidLine);
}

void GridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::LayoutDirectionChange)
        followStyle();
}

void GridView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (m_drawsLines && showGrid())
        paintLines(event->region());
}

// The lines the table draws for each rectangle of `region`: the bottom line of every row the
// rectangle reaches across it, the right line of every column it reaches down it, only as far
// as the last row and column. Opaque lines are the same drawn once across the whole region's
// bounds, clipped to the region; translucent ones are drawn rectangle by rectangle, as where
// two overlap their colour is laid on twice.
void GridView::paintLines(const QRegion& region)
{
    const QHeaderView& rows = *verticalHeader();
    const QHeaderView& columns = *horizontalHeader();
    if (model() == nullptr || rows.count() == 0 || columns.count() == 0)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor colour = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    const QRect cells(0, 0, columns.length() - columns.offset(), rows.length() - rows.offset());
    QPainter painter(viewport());
    const auto paintAcross = [&](const QRect& dirty) {
        const QRect area = dirty & cells;
        if (area.isEmpty())
            return;
        for (const int y : sectionEnds(rows, area.top(), area.bottom()))
            painter.fillRect(QRect(area.left(), y, area.width(), 1), colour);
        for (const int x : sectionEnds(columns, area.left(), area.right()))
            painter.fillRect(QRect(x, area.top(), 1, area.height()), colour);
    };
    if (colour.alpha() == 255) {
        paintAcross(region.boundingRect());
        return;
    }
    for (const QRect& dirty : region)
        paintAcross(dirty);
}

} // namespace velmar::monitor
