#pragma once

#include <QModelIndex>
#include <QTableWidget>

namespace velmar::monitor {

// One list of the display filter: a mark column (" X" on a ticked row) that cannot be
// selected, and a column of names. Selecting a name, by the mouse (also the name already
// selected) or by the arrow and paging keys, reports the row. Tab moves on to the next control.
class FlagGrid : public QTableWidget {
    Q_OBJECT

public:
    FlagGrid(int rows, int markWidth, int nameWidth, QWidget* parent);

    void setMark(int row, const QString& mark);
    void setName(int row, const QString& name);
    [[nodiscard]] QString mark(int row) const;
    [[nodiscard]] QString name(int row) const;

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void keyboardSearch(const QString& search) override;

Q_SIGNALS:
    void rowSelected(int row);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void cellBecameCurrent(int row, int column);
    void cellWasPressed(int row, int column);

    QModelIndex m_currentBeforePress;
};

} // namespace velmar::monitor
