#pragma once

#include <QAbstractItemDelegate>

namespace velmar::monitor {

// Draws a grid cell as a string grid does: the text 2 pixels in from the left, cut off at
// the cell's edge rather than shortened with an ellipsis.
class GridCellDelegate : public QAbstractItemDelegate {
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;
};

} // namespace velmar::monitor
