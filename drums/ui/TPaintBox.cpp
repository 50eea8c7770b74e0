#include "drums/ui/TPaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar::drums {

namespace {

void call(const TPaintBox::MouseHandler& handler, QMouseEvent* event)
{
    if (handler)
        handler(*event);
}

} // namespace

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (OnPaint)
        OnPaint(painter);
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    call(OnMouseDown, event);
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    call(OnMouseDown, event);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    call(OnMouseMove, event);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    call(OnMouseUp, event);
}

} // namespace velmar::drums
