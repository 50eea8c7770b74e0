#include "monitor/ui/GridScrollBar.h"

namespace velmar::monitor {

GridScrollBar::GridScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{}

QStyleOptionSlider GridScrollBar::styleOption() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return option;
}

QRect GridScrollBar::partRect(const QStyleOptionSlider& option, QStyle::SubControl part) const
{
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

// A style draws the slider's edge or shadow a pixel or two outside its rectangle.
QRect GridScrollBar::sliderArea(const QStyleOptionSlider& option) const
{
    constexpr int kEdge = 2;
    return partRect(option, QStyle::SC_ScrollBarSlider).adjusted(-kEdge, -kEdge, kEdge, kEdge) &
           rect();
}

void GridScrollBar::sliderChange(SliderChange change)
{
    if (change != SliderValueChange || m_paintedSlider.isNull()) {
        QScrollBar::sliderChange(change);
        return;
    }
    const QStyleOptionSlider option = styleOption();
    update(QRegion(m_paintedSlider) + sliderArea(option) +
           partRect(option, QStyle::SC_ScrollBarSubLine) +
           partRect(option, QStyle::SC_ScrollBarAddLine));
}

void GridScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    m_paintedSlider = sliderArea(styleOption());
}

} // namespace velmar::monitor
