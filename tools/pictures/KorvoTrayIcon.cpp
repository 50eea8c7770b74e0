#include "tools/pictures/KorvoTrayIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace velmar::drawing {

QImage drawKorvoTrayIcon(int size, KorvoTrayState state)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    // The socket: a dark ring with a notch at the top, its pins in the lower arc.
    const QPointF centre(s / 2, s / 2);
    const double radius = s * 0.46;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 44, 52));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(225, 228, 232));
    p.drawEllipse(centre, radius * 0.78, radius * 0.78);
    p.setBrush(QColor(40, 44, 52));
    p.drawRect(QRectF(s / 2 - s * 0.06, centre.y() - radius * 0.8, s * 0.12, s * 0.12));
    const double pinRadius = std::max(1.0, s * 0.055);
    constexpr std::array kPinAngles{180.0, 225.0, 270.0, 315.0, 360.0}; // degrees, y down
    for (const double degrees : kPinAngles) {
        const double angle = degrees * std::numbers::pi / 180.0;
        const QPointF pin(centre.x() + std::cos(angle) * radius * 0.5,
                          centre.y() - std::sin(angle) * radius * 0.5);
        p.drawEllipse(pin, pinRadius, pinRadius);
    }

    // The transport, in the lower right corner.
    const QRectF corner(s * 0.55, s * 0.55, s * 0.45, s * 0.45);
    if (state == KorvoTrayState::Playing) {
        QPainterPath play;
        play.moveTo(corner.left() + corner.width() * 0.15, corner.top());
        play.lineTo(corner.right(), corner.center().y());
        play.lineTo(corner.left() + corner.width() * 0.15, corner.bottom());
        play.closeSubpath();
        p.setPen(QPen(Qt::white, std::max(1.0, s / 32)));
        p.setBrush(QColor(40, 170, 70));
        p.drawPath(play);
    } else if (state == KorvoTrayState::Recording) {
        p.setPen(QPen(Qt::white, std::max(1.0, s / 32)));
        p.setBrush(QColor(215, 40, 40));
        p.drawEllipse(corner.adjusted(1, 1, -1, -1));
    }
    return image;
}

} // namespace velmar::drawing
