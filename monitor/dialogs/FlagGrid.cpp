#include "monitor/dialogs/FlagGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

namespace velmar::monitor {

namespace {

constexpr int kMarkColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kRowHeight = 15;

} // namespace

FlagGrid::FlagGrid(int rows, int markWidth, int nameWidth, QWidget* parent)
    : QTableWidget(rows, 2, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setColumnWidth(kMarkColumn, markWidth);
    setColumnWidth(kNameColumn, nameWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setShowGrid(true);
    // Tab leaves the grid for the dialog's next control; moving the current cell would
    // toggle a row on every press.
    setTabKeyNavigation(false);
    for (int row = 0; row < rows; ++row) {
        // The mark column is fixed: it takes no selection and reads as plain text.
        auto* mark = new QTableWidgetItem;
        mark->setFlags(Qt::NoItemFlags);
        mark->setForeground(palette().text());
        setItem(row, kMarkColumn, mark);
        auto* name = new QTableWidgetItem;
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row, kNameColumn, name);
    }
    // The grid starts on its first name, as a grid does, so taking the focus toggles nothing.
    {
        const QSignalBlocker quiet(this);
        setCurrentCell(0, kNameColumn);
    }
    connect(this, &QTableWidget::currentCellChanged, this, &FlagGrid::cellBecameCurrent);
    connect(this, &QTableWidget::cellPressed, this, &FlagGrid::cellWasPressed);
}

void FlagGrid::setMark(int row, const QString& mark)
{
    item(row, kMarkColumn)->setText(mark);
}

void FlagGrid::setName(int row, const QString& name)
{
    item(row, kNameColumn)->setText(name);
}

QString FlagGrid::mark(int row) const
{
    return item(row, kMarkColumn)->text();
}

QString FlagGrid::name(int row) const
{
    return item(row, kNameColumn)->text();
}

void FlagGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // A name wider than the grid is cut at its edge; the mark column always shows.
    QTableWidget::scrollTo(index, hint);
    horizontalScrollBar()->setValue(0);
}

void FlagGrid::keyboardSearch(const QString& /*search*/)
{
    // Typing a letter would jump to a name that starts with it, and so toggle that row:
    // only the arrow and paging keys move the selection.
}

bool FlagGrid::viewportEvent(QEvent* event)
{
    // A press on the name that is already selected moves nothing, yet selects it again.
    if (event->type() == QEvent::MouseButtonPress)
        m_currentBeforePress = currentIndex();
    return QTableWidget::viewportEvent(event);
}

void FlagGrid::cellBecameCurrent(int row, int column)
{
    if (row >= 0 && column == kNameColumn)
        Q_EMIT rowSelected(row);
}

void FlagGrid::cellWasPressed(int row, int column)
{
    if (column == kNameColumn && m_currentBeforePress == model()->index(row, column))
        Q_EMIT rowSelected(row);
}

} // namespace velmar::monitor
