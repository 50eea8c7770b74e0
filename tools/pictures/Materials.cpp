#include "tools/pictures/Materials.h"

#include "tools/pictures/KitGeometry.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace velmar::drawing {

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor shade(const QColor& color, qreal factor)
{
    return factor < 1 ? mix(QColor(0, 0, 0, color.alpha()), color, factor)
                      : mix(color, QColor(255, 255, 255, color.alpha()), factor - 1);
}

QRectF litArea(int row)
{
    const KitInstrument& instrument = kitInstruments()[static_cast<std::size_t>(row)];
    return toRect(kitInstruments()[static_cast<std::size_t>(instrument.anchor)].lit);
}

void paintGlow(QPainter& p, const QPainterPath& surface, int row, const QColor& glow,
               qreal strength)
{
    // Centred on the part of the surface that lies in the lit rectangle.
    const QRectF area = litArea(row) & surface.boundingRect();
    if (area.isEmpty())
        return;
    p.save();
    p.setClipRect(litArea(row), Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    // An elliptical falloff: a circle of radius 1 stretched over the lit part.
    const QTransform stretch = QTransform::fromTranslate(area.center().x(), area.center().y())
                                   .scale(area.width() / 2 * 1.1, area.height() / 2 * 1.1);
    const auto falloff = [&](const QColor& color, int peak, qreal reach) {
        QRadialGradient g(QPointF(0, 0), reach);
        const auto at = [&](qreal t, qreal share) {
            QColor c = color;
            c.setAlpha(static_cast<int>(peak * share * strength));
            g.setColorAt(t, c);
        };
        at(0.0, 1.0);
        at(0.5, 0.9);
        at(0.8, 0.55);
        at(1.0, 0.0);
        QBrush brush(g);
        brush.setTransform(stretch);
        return brush;
    };
    // Tint, so light surfaces take the colour and dark details stay dark; screen the colour
    // over it, so dark wood and metal shine too; and a hot core that no rest look has.
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.setBrush(falloff(mix(glow, Qt::white, 0.1), 255, 1.0));
    p.drawPath(surface);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.setBrush(falloff(glow, 225, 1.0));
    p.drawPath(surface);
    p.setBrush(falloff(mix(glow, Qt::white, 0.5), 230, 0.6));
    p.drawPath(surface);
    p.restore();
}

void paintRod(QPainter& p, const QPointF& from, const QPointF& to, qreal width, const QColor& metal)
{
    const QLineF line(from, to);
    const QLineF across = line.normalVector().unitVector();
    const QPointF side(across.dx() * width / 2, across.dy() * width / 2);
    QLinearGradient sheen(from - side, from + side);
    sheen.setColorAt(0.0, shade(metal, 0.45));
    sheen.setColorAt(0.35, shade(metal, 1.5));
    sheen.setColorAt(1.0, shade(metal, 0.6));
    p.save();
    p.setPen(QPen(QBrush(sheen), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(line);
    p.restore();
}

QRadialGradient sphereShade(const QPointF& centre, qreal radius, const QColor& color)
{
    QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.25);
    g.setColorAt(0.0, shade(color, 1.6));
    g.setColorAt(0.5, color);
    g.setColorAt(1.0, shade(color, 0.4));
    return g;
}

QLinearGradient cylinderShade(qreal left, qreal right, const QColor& base)
{
    QLinearGradient g(QPointF(left, 0), QPointF(right, 0));
    g.setColorAt(0.0, shade(base, 0.45));
    g.setColorAt(0.22, shade(base, 1.35));
    g.setColorAt(0.32, shade(base, 1.1));
    g.setColorAt(0.7, base);
    g.setColorAt(1.0, shade(base, 0.35));
    return g;
}

QPainterPath paintDrum(QPainter& p, const QRectF& head, qreal depth, const DrumFinish& finish)
{
    const QRectF bottom = head.translated(0, depth);
    QPainterPath shell;
    shell.moveTo(head.left(), head.center().y());
    shell.lineTo(bottom.left(), bottom.center().y());
    shell.arcTo(bottom, 180, 180);
    shell.lineTo(head.right(), head.center().y());
    shell.closeSubpath();

    p.setPen(QPen(shade(finish.shell, 0.3), 1));
    p.setBrush(cylinderShade(head.left(), head.right(), finish.shell));
    p.drawPath(shell);

    // Tension lugs on the front of the shell, spaced as they would be around it.
    const qreal rx = head.width() / 2;
    for (int i = 0; i < finish.lugs; ++i) {
        const qreal angle = M_PI * (i + 0.5) / finish.lugs;
        const qreal x = head.center().x() - rx * qCos(angle) * 0.92;
        const qreal y = head.center().y() + head.height() / 2 * qSin(angle);
        paintRod(p, QPointF(x, y + depth * finish.lugTop), QPointF(x, y + depth * finish.lugBottom),
                 qMax(1.6, head.width() / 26), finish.hoop);
    }
    // The bottom hoop.
    QPainterPath rim;
    rim.arcMoveTo(bottom, 180);
    rim.arcTo(bottom, 180, 180);
    p.setPen(QPen(shade(finish.hoop, 0.8), qMax(1.2, depth / 16)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rim);

    // The head and the hoop around it.
    QPainterPath top;
    top.addEllipse(head);
    QRadialGradient skin(head.center() - QPointF(head.width() * 0.15, head.height() * 0.2),
                         head.width() * 0.62);
    skin.setColorAt(0.0, shade(finish.head, 1.25));
    skin.setColorAt(0.7, finish.head);
    skin.setColorAt(1.0, shade(finish.head, 0.78));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawPath(top);
    QLinearGradient hoop(head.topLeft(), head.bottomRight());
    hoop.setColorAt(0.0, shade(finish.hoop, 1.4));
    hoop.setColorAt(0.5, shade(finish.hoop, 0.7));
    hoop.setColorAt(1.0, shade(finish.hoop, 1.2));
    p.setPen(QPen(QBrush(hoop), qMax(1.4, head.height() / 14)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(head);
    return top;
}

QPainterPath paintCymbal(QPainter& p, const QPointF& centre, qreal rx, qreal ry, qreal angle,
                         qreal bell, const QColor& metal)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF plate(-rx, -ry, 2 * rx, 2 * ry);

    // Lathed bronze catches the light in bands that turn around the centre.
    QConicalGradient sheen(QPointF(0, 0), 30);
    sheen.setColorAt(0.0, shade(metal, 1.35));
    sheen.setColorAt(0.12, shade(metal, 0.75));
    sheen.setColorAt(0.3, shade(metal, 1.05));
    sheen.setColorAt(0.5, shade(metal, 1.45));
    sheen.setColorAt(0.62, shade(metal, 0.7));
    sheen.setColorAt(0.8, shade(metal, 1.0));
    sheen.setColorAt(1.0, shade(metal, 1.35));
    p.setPen(QPen(shade(metal, 0.4), 1));
    p.setBrush(sheen);
    p.drawEllipse(plate);

    // Tone grooves.
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        const qreal f = 0.35 + 0.2 * ring;
        p.setPen(QPen(QColor(90, 55, 10, 70), 0.7));
        p.drawEllipse(QRectF(-rx * f, -ry * f, 2 * rx * f, 2 * ry * f));
    }

    // The bell and the felt and wing nut that hold it on the stand.
    const QRectF cup(-rx * bell, -ry * bell, 2 * rx * bell, 2 * ry * bell);
    QRadialGradient dome(QPointF(-rx * bell * 0.3, -ry * bell * 0.4), rx * bell * 1.2);
    dome.setColorAt(0.0, shade(metal, 1.6));
    dome.setColorAt(1.0, shade(metal, 0.7));
    p.setPen(QPen(shade(metal, 0.45), 0.8));
    p.setBrush(dome);
    p.drawEllipse(cup);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(QPointF(0, 0), qMax(1.2, rx * 0.05), qMax(1.0, ry * 0.05));
    p.restore();

    QPainterPath outline;
    outline.addEllipse(plate);
    return QTransform().translate(centre.x(), centre.y()).rotate(angle).map(outline);
}

} // namespace velmar::drawing
