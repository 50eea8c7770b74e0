#pragma once

#include "monitor/core/RowStore.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>

namespace velmar::monitor {

// The monitor grid as the view sees it: model row r is grid row r + 1 of the row store,
// the eight column titles are the horizontal header. Writers change the store and then
// say which rows they wrote, once per batch, so a burst of events repaints once.
class EventGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit EventGridModel(std::int32_t rowCount, QObject* parent = nullptr);

    [[nodiscard]] const RowStore& rows() const { return m_rows; }
    [[nodiscard]] RowStore& rows() { return m_rows; }

    // The title of a column (the grid's row 0), as the text export writes it too.
    [[nodiscard]] const QString& HeaderText(std::size_t column) const { return m_header[column]; }

    // Grid rows `first` to `last` were written.
    void RowsWritten(std::int32_t first, std::int32_t last);
    // Every row emptied.
    void Clear();
    // Every row emptied and the count changed; returns the count in force (see RowStore).
    std::int32_t Resize(std::int32_t rowCount);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    RowStore m_rows;
    std::array<QString, kGridColumnCount> m_header;
};

} // namespace velmar::monitor
