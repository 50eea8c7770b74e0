#include "monitor/ui/GridCellDelegate.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace velmar::monitor {

namespace {

constexpr int kTextIndent = 2;
// A tenth smaller and narrower than the window's font, the names of events and
// controllers fit the built-in column widths: 10 pixels for the design's 11.
constexpr int kGridFontPercent = 91;
constexpr int kGridStretch = 80;

int textWidth(const QStyleOptionViewItem& option)
{
    return option.rect.width() - kTextIndent;
}

} // namespace

QFont GridFont(const QFont& windowFont)
{
    QFont font = windowFont;
    const int pixels = QFontInfo(windowFont).pixelSize();
    font.setPixelSize(std::max(1, (pixels * kGridFontPercent + 50) / 100));
    font.setStretch(kGridStretch);
    return font;
}

QString ShownCellText(const QFontMetrics& metrics, const QString& text, int width)
{
    // Spaces at the end show nothing, so they need no room.
    QStringView shown(text);
    while (shown.endsWith(u' '))
        shown.chop(1);
    if (metrics.horizontalAdvance(shown.toString()) <= width)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, width);
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QRect textRect = option.rect.adjusted(kTextIndent, 0, 0, 0);
    painter->save();
    painter->setClipRect(option.rect);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    if (!m_digits.Draw(*painter, option.font, text, textRect)) {
        const CellTextCache::Line& shown =
            m_texts.Shown(text, option.font, option.fontMetrics, textWidth(option));
        // Centred by the line's own height, which counts every face its glyphs needed; a
        // line taller or wider than its room is cut at the room's edges, as laid-out text
        // always is.
        if (shown.height > textRect.height() || shown.width > textRect.width())
            painter->setClipRect(textRect, Qt::IntersectClip);
        const QPointF topLeft(textRect.left(),
                              textRect.top() + (textRect.height() - shown.height) / 2.0);
        for (const QGlyphRun& glyphs : shown.glyphs)
            painter->drawGlyphRun(topLeft, glyphs);
    }
    painter->restore();
}

QSize GridCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    return {option.fontMetrics.horizontalAdvance(text) + kTextIndent, option.fontMetrics.height()};
}

bool GridCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
        return QAbstractItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (ShownCellText(option.fontMetrics, text, textWidth(option)) == text) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event->globalPos(), text, view, option.rect);
    return true;
}

} // namespace velmar::monitor
