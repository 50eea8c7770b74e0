#include "tools/pictures/MonitorPictures.h"

#include "tools/pictures/MonitorGeometry.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>

namespace velmar::drawing {
namespace {

// Colours of the standard palette where they meet the eye most (face, text, edges), so the
// 16-colour version keeps them exactly.
const QColor kShadow(128, 128, 128);
const QColor kLight(255, 255, 255);
const QColor kText(0, 0, 0);
const QColor kWell(32, 40, 34);

QFont labelFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void paintStrip(QPainter& p)
{
    const QRect all(QPoint(0, 0), kActivityStripSize);
    p.fillRect(all, kMonitorFace);

    // The lights sit in a dark well sunk into the face.
    paintLampWell(p, QRect(QPoint(activityRect(0, 0).left() - 2, activityRect(0, 0).top() - 1),
                           QPoint(activityRect(1, kChannels - 1).right() + 2,
                                  activityRect(1, kChannels - 1).bottom() + 1)));

    p.setPen(kText);
    p.setFont(labelFont(9, true));
    p.drawText(QRect(2, 0, 46, 10), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Channel"));
    p.setFont(labelFont(9, false));
    for (int channel = 0; channel < kChannels; ++channel) {
        const QRect light = activityRect(0, channel);
        p.drawText(QRect(light.left() - 2, 0, light.width() + 4, 10), Qt::AlignCenter,
                   QString::number(channel + 1));
    }
    p.drawText(QRect(2, activityRect(0, 0).top(), 44, activityRect(0, 0).height()),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("NoteOn"));
    p.drawText(QRect(2, activityRect(1, 0).top(), 44, activityRect(1, 0).height()),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Other"));
}

QImage drawStrip(bool on, int scale)
{
    QImage image(kActivityStripSize * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    paintStrip(p);
    for (int row = 0; row < kActivityRows; ++row) {
        for (int channel = 0; channel < kChannels; ++channel)
            paintLamp(p, activityRect(row, channel), on);
    }
    return image;
}

} // namespace

void paintLampWell(QPainter& p, const QRect& well)
{
    p.fillRect(well, kWell);
    p.setPen(kShadow);
    p.drawLine(well.topLeft() - QPoint(1, 1), well.topRight() + QPoint(1, -1));
    p.drawLine(well.topLeft() - QPoint(1, 1), well.bottomLeft() + QPoint(-1, 1));
    p.setPen(kLight);
    p.drawLine(well.bottomLeft() + QPoint(-1, 1), well.bottomRight() + QPoint(1, 1));
    p.drawLine(well.topRight() + QPoint(1, -1), well.bottomRight() + QPoint(1, 1));
}

void paintLamp(QPainter& p, const QRect& area, bool on)
{
    const qreal diameter = std::min(area.width(), area.height()) - 1;
    const QRectF lamp(QPointF(area.center().x() + 0.5 - diameter / 2, area.top() + 0.5),
                      QSizeF(diameter, diameter));
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient body(lamp.center() - QPointF(diameter * 0.15, diameter * 0.2), diameter * 0.6);
    // Greens that land on the standard palette's two greens in the 16-colour version.
    if (on) {
        body.setColorAt(0.0, QColor(215, 255, 205));
        body.setColorAt(0.35, QColor(70, 255, 70));
        body.setColorAt(1.0, QColor(0, 160, 30));
    } else {
        body.setColorAt(0.0, QColor(50, 125, 55));
        body.setColorAt(1.0, QColor(0, 86, 22));
    }
    p.setPen(QPen(QColor(0, 40, 8), 1));
    p.setBrush(body);
    p.drawEllipse(lamp);
    p.restore();
}

PictureFamily monitorPictures(int scale)
{
    return {{{QStringLiteral("MONNEG"), {}, drawStrip(false, scale), {}},
             {QStringLiteral("MONPOS"), {}, drawStrip(true, scale), {}}}};
}

} // namespace velmar::drawing
