#include "monitor/ui/NumberLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace velmar::monitor {

NumberLabel::NumberLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void NumberLabel::paintEvent(QPaintEvent* event)
{
    if (!paintDigits())
        QLabel::paintEvent(event);
}

// As the label draws plain text with the style that draws it plainly: in the palette's
// colour for the label's state, laid out against the right of the whole label.
bool NumberLabel::paintDigits()
{
    if (alignment() != (Qt::AlignRight | Qt::AlignVCenter) || frameWidth() != 0 || margin() != 0 ||
        contentsRect() != rect() || textFormat() == Qt::RichText ||
        style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    return m_digits.Draw(painter, font(), text(), rect(), Qt::AlignRight);
}

} // namespace velmar::monitor
