#include "monitor/ui/GridView.h"

#include "monitor/ui/GridScrollBar.h"

#include <QAccessible>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <utility>
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

// The first and last pixel in the viewport of the shown sections of `header` from `first` to
// `last`, which lie side by side as long as no section was moved; {0, -1} when none is shown.
std::pair<int, int> shownSpan(const QHeaderView& header, int first, int last)
{
    while (first <= last && header.isSectionHidden(first))
        ++first;
    while (last >= first && header.isSectionHidden(last))
        --last;
    if (first > last)
        return {0, -1};
    const int firstAt = header.sectionViewportPosition(first);
    const int lastAt = header.sectionViewportPosition(last);
    return {std::min(firstAt, lastAt),
            std::max(firstAt + header.sectionSize(first), lastAt + header.sectionSize(last)) - 1};
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

// The table's own repaint of a changed range reaches the first pixel of the row below it, and
// so draws that whole row again: under a stream, one row more in every frame. The grid has no
// editors whose data would follow the change.
void GridView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles)
{
    if (topLeft == bottomRight || !topLeft.isValid() || !bottomRight.isValid() ||
        verticalHeader()->sectionsMoved() || horizontalHeader()->sectionsMoved()) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    if (isVisible())
        viewport()->update(cellsArea(topLeft, bottomRight));
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent change(this,
                                                QAccessibleTableModelChangeEvent::DataChanged);
        change.setFirstRow(topLeft.row());
        change.setFirstColumn(topLeft.column());
        change.setLastRow(bottomRight.row());
        change.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&change);
    }
}

// The viewport's pixels of the cells from `topLeft` to `bottomRight`, their lines included.
QRect GridView::cellsArea(const QModelIndex& topLeft, const QModelIndex& bottomRight) const
{
    const auto [top, bottom] = shownSpan(*verticalHeader(), topLeft.row(), bottomRight.row());
    const auto [left, right] =
        shownSpan(*horizontalHeader(), topLeft.column(), bottomRight.column());
    return QRect(QPoint(left, top), QPoint(right, bottom)) & viewport()->rect();
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
