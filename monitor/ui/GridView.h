#pragma once

#include <QTableView>

namespace velmar::monitor {

// The monitor's table of events, with its grid lines filled in one pass over the repainted
// area, each line a rectangle one pixel thick. The table's own drawing strokes every line
// pixel by pixel for every rectangle of the repainted area, which cost a fifth of a page's
// repaint. The pixels are the same at any device pixel ratio; a style that asks for lines
// along the left and top edges, or a right-to-left layout, keeps the table's own drawing.
// Its vertical scroll bar repaints no more than a move changes (GridScrollBar), and changed
// rows repaint those rows alone.
class GridView : public QTableView {
public:
    explicit GridView(QWidget* parent);

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followStyle();
    void paintLines(const QRegion& region);
    [[nodiscard]] QRect cellsArea(const QModelIndex& topLeft, const QModelIndex& bottomRight) const;

    bool m_drawsLines = false;
};

} // namespace velmar::monitor
