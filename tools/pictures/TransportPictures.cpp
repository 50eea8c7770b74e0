#include "tools/pictures/TransportPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <array>

namespace velmar::drawing {
namespace {

constexpr QSize kStripSize{336, 17};
constexpr int kCellWidth = 42;

enum class Button { FullSize, HalfSize, QuarterSize, Settings, Record, Play, Rewind, Stop };

const QColor kPanel(0, 0, 0);
const QColor kIcon(205, 205, 200);
const QColor kSizeLit(255, 204, 40);

QRectF buttonRect(Button button)
{
    const int left = static_cast<int>(button) * kCellWidth;
    return QRectF(left + 2.5, 1.5, kCellWidth - 5, kStripSize.height() - 3);
}

void paintButton(QPainter& p, Button button, bool pressed)
{
    const QRectF face = buttonRect(button);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    // Dark faces and light edges keep to black, grey and silver in the 16-colour version.
    if (pressed) {
        shade.setColorAt(0, QColor(6, 6, 8));
        shade.setColorAt(1, QColor(30, 30, 34));
    } else {
        shade.setColorAt(0, QColor(60, 60, 66));
        shade.setColorAt(1, QColor(30, 30, 34));
    }
    p.setPen(QPen(pressed ? QColor(44, 44, 48) : QColor(104, 104, 112), 1));
    p.setBrush(shade);
    p.drawRoundedRect(face, 3, 3);
    if (!pressed) {
        // A light along the top edge makes the button stand up.
        p.setPen(QPen(QColor(176, 176, 184), 1));
        p.drawLine(QPointF(face.left() + 3, face.top() + 1),
                   QPointF(face.right() - 3, face.top() + 1));
    }
}

// A small window: frame and title bar, `width` x `height` pixels, centred in the button.
void paintWindowIcon(QPainter& p, const QPointF& centre, qreal width, qreal height,
                     const QColor& color)
{
    const QRectF frame(centre.x() - width / 2, centre.y() - height / 2, width, height);
    p.setPen(QPen(color, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.fillRect(QRectF(frame.left(), frame.top(), frame.width(), 2), color);
}

void paintGear(QPainter& p, const QPointF& centre, const QColor& color)
{
    QPainterPath gear;
    constexpr int kTeeth = 8;
    for (int i = 0; i < 2 * kTeeth; ++i) {
        const qreal outer = i % 2 == 0 ? 6.0 : 4.6;
        const qreal a0 = (i - 0.35) * M_PI / kTeeth;
        const qreal a1 = (i + 0.35) * M_PI / kTeeth;
        const QPointF p0 = centre + QPointF(qCos(a0), qSin(a0)) * outer;
        const QPointF p1 = centre + QPointF(qCos(a1), qSin(a1)) * outer;
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 1.8, 1.8);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(gear);
}

void paintTriangle(QPainter& p, const QPointF& tip, qreal length, qreal height, int direction,
                   const QColor& color)
{
    const QPointF back = tip - QPointF(direction * length, 0);
    const QPolygonF triangle{tip, back + QPointF(0, -height / 2), back + QPointF(0, height / 2)};
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(triangle);
}

void paintIcon(QPainter& p, Button button, bool pressed, bool sizeChosen)
{
    const QRectF face = buttonRect(button);
    const QPointF c = face.center() + (pressed ? QPointF(0.5, 0.5) : QPointF(0, 0));
    switch (button) {
    case Button::FullSize:
        paintWindowIcon(p, c, 17, 10, sizeChosen ? kSizeLit : kIcon);
        break;
    case Button::HalfSize:
        paintWindowIcon(p, c, 11, 7, sizeChosen ? kSizeLit : kIcon);
        break;
    case Button::QuarterSize:
        paintWindowIcon(p, c, 7, 5, sizeChosen ? kSizeLit : kIcon);
        break;
    case Button::Settings:
        paintGear(p, c, pressed ? QColor(140, 200, 255) : kIcon);
        break;
    case Button::Record: {
        QRadialGradient dot(c - QPointF(1.2, 1.2), 5.5);
        dot.setColorAt(0, pressed ? QColor(255, 170, 160) : QColor(220, 110, 100));
        dot.setColorAt(1, pressed ? QColor(255, 20, 10) : QColor(150, 30, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(c, 4.6, 4.6);
        break;
    }
    case Button::Play:
        paintTriangle(p, c + QPointF(5, 0), 10, 10, 1, pressed ? QColor(60, 255, 80) : kIcon);
        break;
    case Button::Rewind: {
        const QColor color = pressed ? kSizeLit : kIcon;
        p.fillRect(QRectF(c.x() - 7, c.y() - 4.5, 2, 9), color);
        paintTriangle(p, c + QPointF(-5, 0), 6, 9, -1, color);
        paintTriangle(p, c + QPointF(1, 0), 6, 9, -1, color);
        break;
    }
    case Button::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(pressed ? QColor(255, 255, 255) : kIcon);
        p.drawRect(QRectF(c.x() - 4, c.y() - 4, 8, 8));
        break;
    }
}

QImage drawStrip(Button pressed, int chosenSize, int scale)
{
    QImage image(kStripSize * scale, QImage::Format_RGB32);
    image.fill(kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (int i = 0; i <= static_cast<int>(Button::Stop); ++i) {
        const auto button = static_cast<Button>(i);
        paintButton(p, button, button == pressed);
        paintIcon(p, button, button == pressed, i == chosenSize);
    }
    return image;
}

} // namespace

PictureFamily transportPictures(int scale)
{
    struct Look {
        const char* stem;
        Button pressed;
    };
    constexpr std::array<Look, 5> kLooks{{{"SET", Button::Settings},
                                          {"REC", Button::Record},
                                          {"PLA", Button::Play},
                                          {"REW", Button::Rewind},
                                          {"STOP", Button::Stop}}};
    struct Size {
        const char* suffix;
        int button; // the highlighted size button, -1 none
    };
    constexpr std::array<Size, 4> kSizes{{{"00", -1}, {"11", 0}, {"12", 1}, {"14", 2}}};

    PictureFamily family;
    for (const Look& look : kLooks) {
        for (const Size& size : kSizes) {
            family.pictures.append({QLatin1String(look.stem),
                                    QLatin1String(size.suffix),
                                    drawStrip(look.pressed, size.button, scale),
                                    {}});
        }
    }
    return family;
}

} // namespace velmar::drawing
