#pragma once

#include "monitor/ui/CellTextCache.h"
#include "monitor/ui/DigitGlyphs.h"

#include <QAbstractItemDelegate>
#include <QFont>

class QFontMetrics;

namespace velmar::monitor {

// The grid's font: the face the window has (the design's, or the Japanese one), a little
// smaller, so that the texts of events fit their columns at the built-in widths.
[[nodiscard]] QFont GridFont(const QFont& windowFont);

// What a cell `width` pixels wide shows of `text`: all of it, or as much as fits followed
// by "…", never a letter cut in half.
[[nodiscard]] QString ShownCellText(const QFontMetrics& metrics, const QString& text, int width);

// Draws a grid cell as a string grid does, the text 2 pixels in from the left and centred
// in the row's height; a text too long for its cell ends in "…" and shows whole as the
// cell's tooltip. Selected rows are drawn in the highlight colours. Numbers and bytes are
// drawn from their characters' glyphs (DigitGlyphs), other texts are laid out once and kept
// (CellTextCache).
class GridCellDelegate : public QAbstractItemDelegate {
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    mutable DigitGlyphs m_digits;
    mutable CellTextCache m_texts;
};

} // namespace velmar::monitor
