#include "monitor/core/EventGridModel.h"

#include "runtime/language/Language.h"

namespace velmar::monitor {

namespace {

constexpr std::uint16_t kFirstHeaderString = 4049; // "Evt #", then "Time (mS)" ... "Data 2"

} // namespace

EventGridModel::EventGridModel(std::int32_t rowCount, QObject* parent)
    : QAbstractTableModel(parent)
    , m_rows(rowCount)
{
    for (std::size_t column = 0; column < m_header.size(); ++column)
        m_header[column] = LoadNumStr(static_cast<std::uint16_t>(kFirstHeaderString + column));
}

void EventGridModel::RowsWritten(std::int32_t first, std::int32_t last)
{
    Q_EMIT dataChanged(index(first - 1, 0), index(last - 1, kGridColumnCount - 1),
                       {Qt::DisplayRole});
}

void EventGridModel::Clear()
{
    beginResetModel();
    m_rows.Clear();
    endResetModel();
}

std::int32_t EventGridModel::Resize(std::int32_t rowCount)
{
    beginResetModel();
    const std::int32_t count = m_rows.Resize(rowCount);
    endResetModel();
    return count;
}

int EventGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.RowCount();
}

int EventGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kGridColumnCount);
}

QVariant EventGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return m_rows.Text(index.row() + 1, static_cast<std::size_t>(index.column())).toString();
}

QVariant EventGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(kGridColumnCount))
        return m_header[static_cast<std::size_t>(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags EventGridModel::flags(const QModelIndex& index) const
{
    // Shown only; rows are selected to be copied or saved.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace velmar::monitor
