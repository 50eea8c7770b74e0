#pragma once

#include <QRect>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace velmar::monitor {

// The grid's scroll bar. When only its value changes, it repaints where its slider was and
// is and its two arrow buttons (which may look different at either end), not its whole
// length: a stream moves it a page at every frame, and a style that fills the groove with
// a gradient hands each whole-length fill to helper threads and waits for them. Every other
// change repaints it whole, as any scroll bar does. A style whose groove looks different
// with the slider elsewhere would need the whole bar; no style we know of does that.
class GridScrollBar : public QScrollBar {
public:
    GridScrollBar(Qt::Orientation orientation, QWidget* parent);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QStyleOptionSlider styleOption() const;
    [[nodiscard]] QRect partRect(const QStyleOptionSlider& option, QStyle::SubControl part) const;
    [[nodiscard]] QRect sliderArea(const QStyleOptionSlider& option) const;

    // Where the slider was last painted: what a move must paint over.
    QRect m_paintedSlider;
};

} // namespace velmar::monitor
