#include "drums/ui/PanelCanvas.h"

#include "runtime/pictures/PictureSets.h"

#include <QPainter>
#include <QWidget>

namespace velmar::drums {

PanelCanvas::PanelCanvas(const KitPictures& pictures, QWidget& panel)
    : m_pictures(pictures)
    , m_panel(panel)
{}

void PanelCanvas::CopyAll(KitPicture picture)
{
    m_devicePixelRatio = m_pictures.DevicePixelRatio();
    m_buffer = QPixmap(DeviceSize(m_panel.size(), m_devicePixelRatio));
    m_buffer.fill(Qt::black);
    const QPixmap& kit = m_pictures.Kit(picture);
    QPainter(&m_buffer).drawPixmap(kit.rect(), kit, kit.rect());
    m_panel.update();
}

void PanelCanvas::CopyRegion(KitPicture picture, const QRect& area)
{
    const QRect pixels = device(area);
    QPainter(&m_buffer).drawPixmap(pixels, m_pictures.Kit(picture), pixels);
    m_panel.update(area);
}

void PanelCanvas::CopyPicture(SmallPicture picture, HitColour colour, const QRect& area)
{
    // Scaled on its own, the small picture can be a pixel off the area it belongs to.
    const QPixmap& small = m_pictures.Small(picture, colour);
    QPainter(&m_buffer).drawPixmap(device(area), small, small.rect());
    m_panel.update(area);
}

void PanelCanvas::FillBlack(const QRect& area)
{
    QPainter(&m_buffer).fillRect(device(area), Qt::black);
    m_panel.update(area);
}

void PanelCanvas::Paint(QPainter& painter) const
{
    // One device pixel of the picture to one of the screen's.
    painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(m_buffer.size()) / m_devicePixelRatio),
                       m_buffer, QRectF(m_buffer.rect()));
}

QRect PanelCanvas::device(const QRect& area) const
{
    return DeviceRect(area, m_devicePixelRatio);
}

} // namespace velmar::drums
