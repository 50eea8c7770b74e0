#include "drums/ui/PanelCanvas.h"

#include <QPainter>
#include <QWidget>

namespace velmar::drums {

PanelCanvas::PanelCanvas(const KitPictures& pictures, QWidget& panel)
    : m_pictures(pictures)
    , m_panel(panel)
{}

void PanelCanvas::CopyAll(KitPicture picture)
{
    m_buffer = QPixmap(m_panel.size());
    m_buffer.fill(Qt::black);
    QPainter(&m_buffer).drawPixmap(0, 0, m_pictures.Kit(picture));
    m_panel.update();
}

void PanelCanvas::CopyRegion(KitPicture picture, const QRect& area)
{
    QPainter(&m_buffer).drawPixmap(area, m_pictures.Kit(picture), area);
    m_panel.update(area);
}

void PanelCanvas::CopyPicture(SmallPicture picture, HitColour colour, const QRect& area)
{
    // Scaled on its own, the small picture can be a pixel off the area it belongs to.
    QPainter(&m_buffer).drawPixmap(area, m_pictures.Small(picture, colour));
    m_panel.update(area);
}

void PanelCanvas::FillBlack(const QRect& area)
{
    QPainter(&m_buffer).fillRect(area, Qt::black);
    m_panel.update(area);
}

void PanelCanvas::Paint(QPainter& painter) const
{
    painter.drawPixmap(0, 0, m_buffer);
}

} // namespace velmar::drums
