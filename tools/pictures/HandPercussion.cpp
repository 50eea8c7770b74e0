// Small percussion held in the hand or clamped to the kit: tambourine, bell tree, maracas,
// cabasa, shaker, jingle bells, vibraslap, triangle, guiro, claves, wood blocks, castanets,
// cowbell, agogo bells and the slapstick.

#include "tools/pictures/KitGeometry.h"
#include "tools/pictures/KitObjects.h"
#include "tools/pictures/Materials.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace velmar::drawing {
namespace {

const QColor kBrass(222, 180, 80);
const QColor kChrome(200, 204, 210);
const QColor kHardwood(150, 84, 40);
const QColor kRosewood(112, 44, 26);
const QColor kPaleWood(214, 170, 108);

// A straight wooden bar of `width` from `a` to `b`, rounded at both ends.
QPainterPath bar(const QPointF& a, const QPointF& b, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath line;
    line.moveTo(a);
    line.lineTo(b);
    return stroker.createStroke(line);
}

void paintWood(QPainter& p, const QPainterPath& shape, const QPointF& from, const QPointF& to,
               const QColor& wood)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, shade(wood, 1.45));
    g.setColorAt(0.45, wood);
    g.setColorAt(1.0, shade(wood, 0.45));
    p.setPen(QPen(shade(wood, 0.3), 0.7));
    p.setBrush(g);
    p.drawPath(shape);
}

// A wooden bar with its shading across it.
QPainterPath paintBar(QPainter& p, const QPointF& a, const QPointF& b, qreal width,
                      const QColor& wood)
{
    const QPainterPath shape = bar(a, b, width);
    const QLineF normal = QLineF(a, b).normalVector().unitVector();
    const QPointF side(normal.dx() * width / 2, normal.dy() * width / 2);
    paintWood(p, shape, a - side, a + side, wood);
    return shape;
}

// A wood block: a box seen from above and in front, with its slot.
QPainterPath paintWoodBlock(QPainter& p, const QRectF& front, qreal topDepth)
{
    const QPointF skew(3, -topDepth);
    const QPolygonF top{front.topLeft(), front.topLeft() + skew, front.topRight() + skew,
                        front.topRight()};
    const QPolygonF side{front.topRight(), front.topRight() + skew, front.bottomRight() + skew,
                         front.bottomRight()};
    p.setPen(QPen(QColor(60, 28, 10), 0.8));
    p.setBrush(shade(kHardwood, 1.3));
    p.drawPolygon(top);
    p.setBrush(shade(kHardwood, 0.55));
    p.drawPolygon(side);
    QLinearGradient face(front.topLeft(), front.bottomLeft());
    face.setColorAt(0, shade(kHardwood, 1.05));
    face.setColorAt(1, shade(kHardwood, 0.7));
    p.setBrush(face);
    p.drawRect(front);
    // The slot that makes it sound.
    p.setPen(QPen(QColor(30, 12, 4), 1.6));
    p.drawLine(QPointF(front.left() + 4, front.center().y() - 1),
               QPointF(front.right() - 4, front.center().y() - 1));
    QPainterPath all;
    all.addPolygon(top);
    all.addPolygon(side);
    all.addRect(front);
    return all.simplified();
}

// A hollow metal cone lying on its side: closed tip at `tip`, open mouth around `mouth`.
QPainterPath paintBell(QPainter& p, const QPointF& tip, const QPointF& mouth, qreal radius)
{
    QPainterPath cone;
    cone.moveTo(tip + QPointF(0, -radius * 0.3));
    cone.lineTo(mouth + QPointF(0, -radius));
    cone.lineTo(mouth + QPointF(0, radius));
    cone.lineTo(tip + QPointF(0, radius * 0.3));
    cone.closeSubpath();
    QLinearGradient g(QPointF(0, mouth.y() - radius), QPointF(0, mouth.y() + radius));
    g.setColorAt(0.0, shade(kChrome, 0.6));
    g.setColorAt(0.3, shade(kChrome, 1.4));
    g.setColorAt(1.0, shade(kChrome, 0.35));
    p.setPen(QPen(QColor(60, 62, 68), 0.7));
    p.setBrush(g);
    p.drawPath(cone);
    p.setBrush(QColor(24, 24, 28));
    p.setPen(QPen(shade(kChrome, 1.3), 1.0));
    p.drawEllipse(mouth, radius * 0.32, radius);
    QPainterPath all = cone;
    all.addEllipse(mouth, radius * 0.32, radius);
    return all.simplified();
}

} // namespace

void paintTambourine(QPainter& p, const ObjectView& view)
{
    const QPointF c(213, 37);
    const qreal rx = 27;
    const qreal ry = 32;
    QPainterPath all;
    // The frame seen from the side, then the head on it.
    p.setPen(QPen(QColor(70, 35, 12), 0.8));
    p.setBrush(shade(kHardwood, 0.7));
    p.drawEllipse(c + QPointF(3, 2), rx, ry);
    QRadialGradient skin(c - QPointF(8, 10), rx * 1.2);
    skin.setColorAt(0, QColor(250, 240, 214));
    skin.setColorAt(1, QColor(196, 172, 126));
    p.setPen(QPen(kHardwood, 2.2));
    p.setBrush(skin);
    p.drawEllipse(c, rx, ry);
    all.addEllipse(c + QPointF(0, 0), rx + 4, ry + 3);
    // Pairs of jingles in slots around the frame.
    for (int i = 0; i < 6; ++i) {
        const qreal a = 2 * M_PI * i / 6 + 0.3;
        const QPointF at = c + QPointF(qCos(a) * (rx + 1.5), qSin(a) * (ry + 1.5));
        p.setPen(QPen(QColor(100, 80, 30), 0.6));
        p.setBrush(sphereShade(at, 4.5, kBrass));
        p.drawEllipse(at, 4.2, 3.2);
        p.drawEllipse(at + QPointF(0.8, 1.2), 4.2, 3.2);
    }
    if (view.lit(Tambourine))
        paintGlow(p, all, Tambourine, view.glow);
}

void paintBelltree(QPainter& p, const ObjectView& view)
{
    // Nested cup bells on a rod, smallest at the top, hung from a bar.
    paintRod(p, QPointF(104, 9), QPointF(164, 9), 3.0, QColor(120, 70, 35));
    paintRod(p, QPointF(134, 9), QPointF(138, 78), 1.4);
    QPainterPath bells;
    constexpr int kBells = 10;
    for (int i = 0; i < kBells; ++i) {
        const qreal t = static_cast<qreal>(i) / (kBells - 1);
        const qreal y = 17 + t * 58;
        const qreal x = 134 + t * 4;
        const qreal r = 6 + t * 19;
        QPainterPath cup;
        cup.moveTo(x - r, y + 3.5);
        cup.cubicTo(QPointF(x - r * 0.8, y - 4.5), QPointF(x + r * 0.8, y - 4.5),
                    QPointF(x + r, y + 3.5));
        cup.quadTo(QPointF(x, y + 6), QPointF(x - r, y + 3.5));
        QLinearGradient metal(QPointF(x - r, 0), QPointF(x + r, 0));
        metal.setColorAt(0.0, shade(kBrass, 0.5));
        metal.setColorAt(0.3, shade(kBrass, 1.5));
        metal.setColorAt(1.0, shade(kBrass, 0.55));
        p.setPen(QPen(QColor(90, 60, 10), 0.6));
        p.setBrush(metal);
        p.drawPath(cup);
        bells.addPath(cup);
    }
    if (view.lit(BellTree))
        paintGlow(p, bells, BellTree, view.glow);
}

void paintMaracas(QPainter& p, const ObjectView& view)
{
    QPainterPath heads;
    const auto maraca = [&](const QPointF& head, const QPointF& end, const QColor& color) {
        paintBar(p, head, end, 4.5, kPaleWood);
        const QLineF axis(end, head);
        p.save();
        p.translate(head);
        p.rotate(-axis.angle() + 90);
        QPainterPath shell;
        shell.addEllipse(QPointF(0, 0), 10, 13);
        p.setPen(QPen(shade(color, 0.35), 0.8));
        p.setBrush(sphereShade(QPointF(0, 0), 12, color));
        p.drawPath(shell);
        // A painted band round the middle.
        p.setPen(QPen(QColor(250, 236, 180), 1.4));
        p.drawArc(QRectF(-10, -3, 20, 7), 200 * 16, 140 * 16);
        p.restore();
        heads.addPath(
            QTransform().translate(head.x(), head.y()).rotate(-axis.angle() + 90).map(shell));
    };
    maraca(QPointF(503, 16), QPointF(524, 58), QColor(206, 50, 34));
    maraca(QPointF(527, 18), QPointF(502, 58), QColor(232, 170, 30));
    if (view.lit(Maracas))
        paintGlow(p, heads, Maracas, view.glow);
}

void paintCabasa(QPainter& p, const ObjectView& view)
{
    // A steel cylinder wrapped in strands of beads, on a wooden handle along its axis.
    const QPointF handleEnd(546, 60);
    const QPointF base(559, 41);
    const QPointF top(583, 12);
    paintBar(p, handleEnd, base, 5.5, kHardwood);
    const QLineF axis(base, top);
    p.save();
    p.translate(axis.center());
    p.rotate(-axis.angle());
    const qreal half = axis.length() / 2;
    const qreal r = 12;
    QLinearGradient metal(QPointF(0, -r), QPointF(0, r));
    metal.setColorAt(0, shade(kChrome, 0.5));
    metal.setColorAt(0.35, shade(kChrome, 1.3));
    metal.setColorAt(1, shade(kChrome, 0.35));
    p.setPen(QPen(QColor(60, 60, 66), 0.8));
    p.setBrush(metal);
    p.drawRect(QRectF(-half, -r, 2 * half, 2 * r));
    p.setBrush(shade(kChrome, 0.9));
    p.drawEllipse(QPointF(half, 0), 4, r);
    // Strands of beads across the cylinder, bunched towards its edges.
    p.setPen(Qt::NoPen);
    for (int strand = 0; strand < 6; ++strand) {
        const qreal x = -half + 3 + strand * 5.2;
        for (int bead = 0; bead < 7; ++bead) {
            const qreal y = -r * std::cos(M_PI * (bead + 0.5) / 7);
            p.setBrush(sphereShade(QPointF(x, y), 1.9, QColor(196, 200, 208)));
            p.drawEllipse(QPointF(x, y), 1.8, 1.7);
        }
    }
    p.restore();
    QPainterPath body;
    body.addRect(QRectF(-half, -r, 2 * half + 4, 2 * r));
    body = QTransform()
               .translate(axis.center().x(), axis.center().y())
               .rotate(-axis.angle())
               .map(body);
    if (view.lit(Cabasa))
        paintGlow(p, body, Cabasa, view.glow);
}

void paintShaker(QPainter& p, const ObjectView& view)
{
    // A metal tube with red end caps, lying across.
    const QPointF a(528, 95);
    const QPointF b(567, 72);
    const QPainterPath tube = bar(a, b, 13);
    const QLineF normal = QLineF(a, b).normalVector().unitVector();
    const QPointF side(normal.dx() * 6.5, normal.dy() * 6.5);
    QLinearGradient metal(a - side, a + side);
    metal.setColorAt(0, shade(kChrome, 0.45));
    metal.setColorAt(0.35, shade(kChrome, 1.4));
    metal.setColorAt(1, shade(kChrome, 0.5));
    p.setPen(QPen(QColor(60, 62, 68), 0.8));
    p.setBrush(metal);
    p.drawPath(tube);
    const QLineF along(a, b);
    for (const qreal t : {0.0, 1.0}) {
        const QPointF end = along.pointAt(t);
        p.setBrush(sphereShade(end, 6.5, QColor(200, 40, 36)));
        p.drawEllipse(end, 5.2, 5.2);
    }
    p.setPen(QPen(QColor(80, 82, 90), 0.8));
    for (int i = 1; i < 6; ++i) {
        const QPointF at = along.pointAt(0.15 + i * 0.12);
        p.drawLine(at - side * 0.8, at + side * 0.8);
    }
    if (view.lit(Shaker))
        paintGlow(p, tube, Shaker, view.glow);
}

void paintJingleBells(QPainter& p, const ObjectView& view)
{
    // Sleigh bells: a wooden handle and a curved strap of round bells.
    paintBar(p, QPointF(428, 67), QPointF(443, 50), 6, kHardwood);
    QPainterPath strap;
    strap.moveTo(441, 52);
    strap.cubicTo(QPointF(430, 22), QPointF(470, -2), QPointF(483, 30));
    p.setPen(QPen(QColor(110, 40, 24), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(strap);
    QPainterPath bells;
    constexpr int kBells = 7;
    for (int i = 0; i < kBells; ++i) {
        const QPointF at = strap.pointAtPercent(0.08 + 0.9 * i / (kBells - 1));
        p.setPen(QPen(QColor(100, 70, 10), 0.6));
        p.setBrush(sphereShade(at, 5.5, kBrass));
        p.drawEllipse(at, 5.2, 5.2);
        p.setPen(QPen(QColor(60, 36, 6), 1.0));
        p.drawLine(at + QPointF(-2.5, 1.5), at + QPointF(2.5, 1.5));
        bells.addEllipse(at, 5.2, 5.2);
    }
    if (view.lit(JingleBell))
        paintGlow(p, bells, JingleBell, view.glow);
}

void paintVibraslap(QPainter& p, const ObjectView& view)
{
    // A bent steel rod with a wooden ball at one end and the rattling box at the other.
    QPainterPath rod;
    rod.moveTo(360, 40);
    rod.cubicTo(QPointF(352, 2), QPointF(400, -4), QPointF(396, 32));
    p.setPen(QPen(kChrome, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rod);
    p.setPen(QPen(QColor(60, 30, 10), 0.7));
    p.setBrush(sphereShade(QPointF(360, 44), 7, QColor(150, 60, 30)));
    p.drawEllipse(QPointF(360, 44), 7, 7);
    const QRectF box(384.5, 31.5, 32, 17);
    QLinearGradient wood(box.topLeft(), box.bottomLeft());
    wood.setColorAt(0, shade(kHardwood, 1.4));
    wood.setColorAt(1, shade(kHardwood, 0.55));
    p.setBrush(wood);
    p.drawRoundedRect(box, 3, 3);
    p.setPen(QPen(kChrome, 1.2));
    p.drawLine(QPointF(box.left() + 4, box.center().y()),
               QPointF(box.right() - 3, box.center().y()));
    QPainterPath parts;
    parts.addRoundedRect(box, 3, 3);
    parts.addEllipse(QPointF(360, 44), 7, 7);
    if (view.lit(Vibraslap))
        paintGlow(p, parts, Vibraslap, view.glow);
}

void paintTriangle(QPainter& p, const ObjectView& view)
{
    const QPointF apex(36, 97);
    const QPointF left(10, 137);
    const QPointF right(62, 137);
    // The clip it hangs from, the bent steel rod open at one corner, and the beater.
    p.setPen(QPen(QColor(200, 40, 36), 1.2));
    p.drawLine(QPointF(36, 87), apex + QPointF(0, 1));
    QPainterPath rod;
    rod.moveTo(left + QPointF(3, -4.5));
    rod.lineTo(apex);
    rod.lineTo(right);
    rod.lineTo(left + QPointF(5, 0));
    QPainterPathStroker stroker;
    stroker.setWidth(2.6);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath steel = stroker.createStroke(rod);
    p.setPen(Qt::NoPen);
    QLinearGradient sheen(QPointF(10, 97), QPointF(62, 137));
    sheen.setColorAt(0, shade(kChrome, 1.4));
    sheen.setColorAt(0.5, shade(kChrome, 0.8));
    sheen.setColorAt(1, shade(kChrome, 1.2));
    p.setBrush(sheen);
    p.drawPath(steel);
    paintRod(p, QPointF(66, 108), QPointF(49, 121), 1.6);

    const bool open = view.lit(MuteTriangle);
    if (open || view.shows(MuteTriangle, Look::MuteTriangleLit))
        paintGlow(p, steel, MuteTriangle, view.glow);
    if (open) {
        // Left to ring: the sound spreads out around it.
        p.save();
        p.setClipRect(litArea(MuteTriangle), Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) {
            p.setPen(QPen(mix(view.glow, Qt::transparent, 0.3 + 0.3 * i), 1.2));
            const qreal grow = 5 + 5 * i;
            QPainterPath ring;
            ring.moveTo(left + QPointF(-grow * 0.9, grow * 0.3));
            ring.lineTo(apex + QPointF(0, -grow));
            ring.lineTo(right + QPointF(grow * 0.9, grow * 0.3));
            p.drawPath(ring);
        }
        p.restore();
    }
}

void paintGuiro(QPainter& p, const ObjectView& view)
{
    // A long ridged gourd lying from upper left to lower right, and its scraper.
    const QPointF head(12, 10);
    const QPointF tail(70, 66);
    const QLineF axis(head, tail);
    p.save();
    p.translate(axis.center());
    p.rotate(-axis.angle());
    const qreal half = axis.length() / 2;
    QPainterPath body;
    body.moveTo(-half, 0);
    body.cubicTo(QPointF(-half + 4, -14), QPointF(half - 10, -13), QPointF(half, -3));
    body.cubicTo(QPointF(half + 2, 2), QPointF(half - 4, 12), QPointF(half - 12, 12));
    body.cubicTo(QPointF(0, 13), QPointF(-half + 4, 12), QPointF(-half, 0));
    QLinearGradient gourd(QPointF(0, -13), QPointF(0, 13));
    gourd.setColorAt(0, QColor(236, 190, 110));
    gourd.setColorAt(0.4, QColor(196, 134, 60));
    gourd.setColorAt(1, QColor(96, 56, 20));
    p.setPen(QPen(QColor(70, 40, 14), 0.8));
    p.setBrush(gourd);
    p.drawPath(body);
    // The ridges.
    p.setClipPath(body, Qt::IntersectClip);
    p.setPen(QPen(QColor(90, 50, 16), 1.0));
    for (int i = 0; i < 19; ++i) {
        const qreal x = -half + 8 + i * 3.2;
        p.drawLine(QPointF(x, -10), QPointF(x - 1.5, 9));
    }
    p.restore();
    const QPainterPath outline = QTransform()
                                     .translate(axis.center().x(), axis.center().y())
                                     .rotate(-axis.angle())
                                     .map(body);
    paintBar(p, QPointF(24, 44), QPointF(66, 30), 2.6, kPaleWood);

    if (view.lit(ShortGuiro)) {
        paintGlow(p, outline, ShortGuiro, view.glow);
    } else if (view.shows(ShortGuiro, Look::ShortGuiroLit)) {
        // A short scrape lights only the lower end of the ridges.
        QPainterPath lowerEnd;
        lowerEnd.addEllipse(QPointF(60, 56), 26, 24);
        paintGlow(p, outline.intersected(lowerEnd), ShortGuiro, view.glow);
    }
}

void paintClaves(QPainter& p, const ObjectView& view)
{
    const QPainterPath lower = paintBar(p, QPointF(13, 254), QPointF(58, 232), 7, kRosewood);
    const QPainterPath upper = paintBar(p, QPointF(22, 222), QPointF(62, 246), 7, kRosewood);
    if (view.lit(Claves))
        paintGlow(p, lower.united(upper), Claves, view.glow);
}

void paintHighWoodBlock(QPainter& p, const ObjectView& view)
{
    const QPainterPath block = paintWoodBlock(p, QRectF(87.5, 214.5, 32, 13), 6);
    if (view.lit(HighWoodBlock))
        paintGlow(p, block, HighWoodBlock, view.glow);
}

void paintLowWoodBlock(QPainter& p, const ObjectView& view)
{
    const QPainterPath block = paintWoodBlock(p, QRectF(131.5, 200.5, 36, 13), 6);
    if (view.lit(LowWoodBlock))
        paintGlow(p, block, LowWoodBlock, view.glow);
}

void paintCastanets(QPainter& p, const ObjectView& view)
{
    // Two cupped shells hinged by a cord, the upper one lifted so the hollow shows.
    p.setPen(QPen(QColor(220, 60, 40), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(164.5, 151.5, 8, 9));
    const QColor ebony(84, 34, 18);
    QPainterPath shells;
    const QRectF lower(167.5, 163.5, 28, 15);
    p.setPen(QPen(QColor(24, 8, 4), 0.8));
    p.setBrush(sphereShade(lower.center(), 15, ebony));
    p.drawEllipse(lower);
    p.setBrush(QColor(40, 14, 6));
    p.drawEllipse(QRectF(171, 165, 21, 7));
    shells.addEllipse(lower);
    p.save();
    p.translate(170, 162);
    p.rotate(-24);
    const QRectF upper(-2, -8, 27, 13);
    p.setPen(QPen(QColor(24, 8, 4), 0.8));
    p.setBrush(sphereShade(upper.center(), 14, ebony));
    p.drawEllipse(upper);
    p.restore();
    shells.addPath(QTransform().translate(170, 162).rotate(-24).map([&] {
        QPainterPath shell;
        shell.addEllipse(QRectF(-2, -8, 27, 13));
        return shell;
    }()));
    if (view.lit(Castanets))
        paintGlow(p, shells.simplified(), Castanets, view.glow);
}

void paintCowbell(QPainter& p, const ObjectView& view)
{
    // Clamped at its closed end; a flat-sided bell whose open mouth faces the player.
    paintRod(p, QPointF(217, 211), QPointF(217, 219), 2.4);
    QPainterPath bell;
    bell.moveTo(209.5, 218);
    bell.lineTo(224.5, 218);
    bell.lineTo(228.5, 240);
    bell.lineTo(205.5, 240);
    bell.closeSubpath();
    QLinearGradient metal(QPointF(205, 0), QPointF(229, 0));
    metal.setColorAt(0, QColor(36, 36, 40));
    metal.setColorAt(0.28, QColor(118, 120, 128));
    metal.setColorAt(0.45, QColor(60, 60, 66));
    metal.setColorAt(1, QColor(22, 22, 26));
    p.setPen(QPen(QColor(10, 10, 12), 0.8));
    p.setBrush(metal);
    p.drawPath(bell);
    // The ridge down its face and the bright rim of the mouth.
    p.setPen(QPen(QColor(140, 142, 150), 0.8));
    p.drawLine(QPointF(217, 220), QPointF(217, 238));
    const QRectF mouth(205.5, 238.5, 23, 6);
    p.setPen(QPen(kChrome, 1.2));
    p.setBrush(QColor(8, 8, 10));
    p.drawRoundedRect(mouth, 2, 2);
    bell.addRoundedRect(mouth, 2, 2);
    if (view.lit(Cowbell))
        paintGlow(p, bell.simplified(), Cowbell, view.glow);
}

void paintAgogo(QPainter& p, const ObjectView& view)
{
    // Two bells joined by a bent handle, mouths to the right.
    QPainterPath handle;
    handle.moveTo(130, 278);
    handle.cubicTo(QPointF(112, 280), QPointF(112, 300), QPointF(132, 303));
    p.setPen(QPen(kChrome, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(handle);
    const QPainterPath high = paintBell(p, QPointF(128, 278), QPointF(167, 279), 10);
    const QPainterPath low = paintBell(p, QPointF(130, 303), QPointF(175, 304), 11.5);
    if (view.lit(HighAgogo))
        paintGlow(p, high, HighAgogo, view.glow);
    if (view.lit(LowAgogo))
        paintGlow(p, low, LowAgogo, view.glow);
}

void paintSlapstick(QPainter& p, const ObjectView& view)
{
    // Two boards hinged at the handle end, the upper one raised to clap down.
    paintBar(p, QPointF(258, 196), QPointF(266, 196), 4, kHardwood);
    const QPainterPath lower = paintBar(p, QPointF(264, 198), QPointF(298, 198), 4.5, kPaleWood);
    const QPainterPath upper = paintBar(p, QPointF(264, 194.5), QPointF(297, 190), 4, kPaleWood);
    if (view.lit(Slap))
        paintGlow(p, lower.united(upper), Slap, view.glow);
}

} // namespace velmar::drawing
