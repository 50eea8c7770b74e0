#include "monitor/ui/GridScrollBar.h"

#include <QStyleOptionSlider>

namespace velmar::monitor {

GridScrollBar::GridScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{}

QRect GridScrollBar::partRect(QStyle::SubControl part) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

// A style draws the slider's edge or shadow a pixel or two outside its rectangle.
QRect GridScrollBar::sliderArea() const
{
    constexpr int kEdge = 2;
    return partRect(QStyle::SC_ScrollBarSlider).adjusted(-kEdge, -kEdge, kEdge, kEdge) & rect();
}

void GridScrollBar::sliderChange(SliderChange change)
{
    if (change != SliderValueChange || m_paintedSlider.isNull()) {
        QScrollBar::sliderChange(change);
        return;
    }
    update(QRegion(m_paintedSlider) + sliderArea() + partRect(QStyle::SC_ScrollBarSubLine) +
           partRect(QStyle::SC_ScrollBarAddLine));
}

void GridScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    m_paintedSlider = sliderArea();
}

} // namespace velmar::monitor
