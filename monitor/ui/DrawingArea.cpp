#include "monitor/ui/DrawingArea.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar::monitor {

DrawingArea::DrawingArea(QWidget* parent)
    : QWidget(parent)
{
    // Every pixel is drawn by the owner, so nothing needs clearing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingArea::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Q_EMIT OnPaint(canvas);
}

void DrawingArea::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT OnClick();
}

} // namespace velmar::monitor
