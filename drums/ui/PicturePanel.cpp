#include "drums/ui/PicturePanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar::drums {

namespace {

void call(const PicturePanel::MouseHandler& handler, QMouseEvent* event)
{
    if (handler)
        handler(*event);
}

} // namespace

PicturePanel::PicturePanel(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PicturePanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (OnPaint)
        OnPaint(painter);
}

void PicturePanel::mousePressEvent(QMouseEvent* event)
{
    call(OnMouseDown, event);
}

void PicturePanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    call(OnMouseDown, event);
}

void PicturePanel::mouseMoveEvent(QMouseEvent* event)
{
    call(OnMouseMove, event);
}

void PicturePanel::mouseReleaseEvent(QMouseEvent* event)
{
    call(OnMouseUp, event);
}

} // namespace velmar::drums
