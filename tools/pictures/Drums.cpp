// The drums of the kit and of the hand-drum corner: toms, snare, bass drum, congas, bongos,
// timbales, surdos, cuica and the two electronic pads.

#include "tools/pictures/KitGeometry.h"
#include "tools/pictures/KitObjects.h"
#include "tools/pictures/Materials.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace velmar::drawing {
namespace {

const QColor kCoatedHead(238, 234, 222);
const QColor kRawhide(226, 200, 150);
const QColor kLacquer(150, 18, 34);   // the kit's wine-red shells
const QColor kSteel(176, 184, 196);   // snare, surdos, cuica
const QColor kCopper(206, 122, 70);   // timbales
const QColor kCongaWood(170, 98, 42); // staved shells of the hand drums

const DrumFinish kKitFinish{kLacquer, kCoatedHead};
const DrumFinish kSurdoFinish{
    QColor(122, 134, 156), kCoatedHead, QColor(226, 230, 236), 4, 0.02, 0.96};

void paintTom(QPainter& p, const ObjectView& view, int row, const QRectF& head, qreal depth)
{
    const QPainterPath top = paintDrum(p, head, depth, kKitFinish);
    if (view.lit(row))
        paintGlow(p, top, row, view.glow);
}

// A floor tom: a deep drum standing on three legs.
void paintFloorTom(QPainter& p, const ObjectView& view, int row, const QRectF& head, qreal depth,
                   qreal floor)
{
    const qreal legTop = head.center().y() + depth * 0.55;
    paintRod(p, QPointF(head.left() + 3, legTop), QPointF(head.left() - 1, floor), 2.2);
    paintRod(p, QPointF(head.right() - 3, legTop), QPointF(head.right() + 1, floor), 2.2);
    paintRod(p, QPointF(head.center().x() + 2, legTop + 6), QPointF(head.center().x() + 3, floor),
             2.2);
    paintTom(p, view, row, head, depth);
}

// The outline of a conga or a surdo-like barrel: straight top, a belly, and a narrower foot.
QPainterPath barrel(const QRectF& head, qreal height, qreal belly, qreal foot)
{
    const qreal cx = head.center().x();
    const qreal top = head.center().y();
    const qreal half = head.width() / 2;
    const qreal bottom = top + height;
    QPainterPath path;
    path.moveTo(cx - half, top);
    path.cubicTo(QPointF(cx - half - belly, top + height * 0.35),
                 QPointF(cx - half - belly * 0.6, top + height * 0.7),
                 QPointF(cx - half + foot, bottom));
    path.quadTo(QPointF(cx, bottom + head.height() * 0.45), QPointF(cx + half - foot, bottom));
    path.cubicTo(QPointF(cx + half + belly * 0.6, top + height * 0.7),
                 QPointF(cx + half + belly, top + height * 0.35), QPointF(cx + half, top));
    path.closeSubpath();
    return path;
}

void paintConga(QPainter& p, const ObjectView& view, int row, const QRectF& head, qreal height)
{
    const qreal belly = head.width() * 0.16;
    const QPainterPath body = barrel(head, height, belly, head.width() * 0.12);
    p.setPen(QPen(shade(kCongaWood, 0.35), 1));
    p.setBrush(cylinderShade(head.left() - belly, head.right() + belly, kCongaWood));
    p.drawPath(body);

    // Staves, following the curve of the shell.
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.setPen(QPen(QColor(60, 30, 10, 110), 0.8));
    for (int i = 1; i < 6; ++i) {
        const qreal t = i / 6.0;
        const qreal x = head.left() + head.width() * t;
        const qreal bend = (t - 0.5) * belly * 2.2;
        QPainterPath stave;
        stave.moveTo(x, head.center().y());
        stave.quadTo(QPointF(x + bend, head.center().y() + height * 0.45),
                     QPointF(x + (t - 0.5) * -head.width() * 0.2, head.center().y() + height));
        p.drawPath(stave);
    }
    p.restore();

    // Tuning lugs: bars from the rim down the shell.
    for (int i = 0; i < 3; ++i) {
        const qreal x = head.left() + head.width() * (0.18 + 0.32 * i);
        paintRod(p, QPointF(x, head.bottom() - 1), QPointF(x, head.bottom() + height * 0.2), 2.0);
    }

    QPainterPath top;
    top.addEllipse(head);
    QRadialGradient skin(head.center() - QPointF(head.width() * 0.12, head.height() * 0.2),
                         head.width() * 0.6);
    skin.setColorAt(0.0, shade(kRawhide, 1.2));
    skin.setColorAt(0.75, kRawhide);
    skin.setColorAt(1.0, shade(kRawhide, 0.7));
    p.setPen(QPen(QColor(190, 194, 200), 1.6));
    p.setBrush(skin);
    p.drawPath(top);
    if (view.lit(row))
        paintGlow(p, top, row, view.glow);
}

QPainterPath timbale(QPainter& p, const QRectF& head, qreal depth, qreal floor)
{
    const QPointF foot(head.center().x(), floor);
    paintRod(p, QPointF(head.center().x(), head.center().y() + depth), foot, 2.4);
    paintRod(p, QPointF(head.center().x(), floor - 10), QPointF(head.left() + 6, floor), 2.0);
    paintRod(p, QPointF(head.center().x(), floor - 10), QPointF(head.right() - 6, floor), 2.0);
    return paintDrum(p, head, depth, {kCopper, kCoatedHead, QColor(214, 218, 224), 5});
}

// An electronic pad: a rubber playing surface in a hard rim.
QPainterPath pad(QPainter& p, const QPainterPath& outline, const QColor& rim)
{
    const QRectF box = outline.boundingRect();
    p.setPen(QPen(rim, 1.6));
    QRadialGradient rubber(box.center() - QPointF(box.width() * 0.2, box.height() * 0.25),
                           box.width() * 0.7);
    rubber.setColorAt(0, QColor(96, 98, 110));
    rubber.setColorAt(1, QColor(34, 34, 40));
    p.setBrush(rubber);
    p.drawPath(outline);
    return outline;
}

} // namespace

void paintHighTom(QPainter& p, const ObjectView& view)
{
    paintTom(p, view, HighTom, QRectF(202.5, 174.5, 29, 16), 19);
}

void paintHiMidTom(QPainter& p, const ObjectView& view)
{
    paintTom(p, view, HiMidTom, QRectF(231.5, 139.5, 46, 24), 22);
}

void paintLowMidTom(QPainter& p, const ObjectView& view)
{
    paintTom(p, view, LowMidTom, QRectF(294.5, 142.5, 52, 29), 32);
}

void paintLowTom(QPainter& p, const ObjectView& view)
{
    paintTom(p, view, LowTom, QRectF(344.5, 183.5, 60, 31), 38);
}

void paintHighFloorTom(QPainter& p, const ObjectView& view)
{
    paintFloorTom(p, view, HighFloorTom, QRectF(344.5, 278.5, 38, 22), 52, 375);
}

void paintLowFloorTom(QPainter& p, const ObjectView& view)
{
    paintFloorTom(p, view, LowFloorTom, QRectF(385.5, 277.5, 42, 24), 56, 378);
}

void paintSnare(QPainter& p, const ObjectView& view)
{
    const QRectF head(190.5, 260.5, 68, 29);
    // The stand's basket and legs below the drum.
    paintRod(p, QPointF(224, 300), QPointF(224, 322), 2.4);
    paintRod(p, QPointF(224, 314), QPointF(204, 323), 2.0);
    paintRod(p, QPointF(224, 314), QPointF(244, 323), 2.0);
    const QPainterPath top =
        paintDrum(p, head, 22, {kSteel, kCoatedHead, QColor(222, 226, 232), 6});
    if (view.lit(AcousticSnare))
        paintGlow(p, top, AcousticSnare, view.glow);
}

void paintSideStick(QPainter& p, const ObjectView& view)
{
    // A stick laid across the snare: its tip on the head, its butt striking the far rim.
    const QPointF tip(193, 292);
    const QPointF butt(255, 283);
    QPainterPath stick;
    const QLineF axis(tip, butt);
    const QLineF normal = axis.normalVector().unitVector();
    const QPointF n(normal.dx(), normal.dy());
    stick.moveTo(tip + n * 1.1);
    stick.lineTo(butt + n * 2.0);
    stick.lineTo(butt - n * 2.0);
    stick.lineTo(tip - n * 1.1);
    stick.closeSubpath();
    stick.addEllipse(tip, 1.8, 1.5);
    QLinearGradient wood(tip + n * 2, tip - n * 2);
    wood.setColorAt(0, QColor(250, 226, 180));
    wood.setColorAt(1, QColor(170, 126, 70));
    p.setPen(QPen(QColor(90, 60, 25), 0.6));
    p.setBrush(wood);
    p.drawPath(stick);
    if (view.lit(SideStick))
        paintGlow(p, stick, SideStick, view.glow);
}

void paintBassDrum(QPainter& p, const ObjectView& view)
{
    const QPointF centre(302.5, 298.5);
    const qreal radius = 38;
    const QPointF back(302.5, 292);

    // Spurs, then the shell going away from the player behind the front hoop.
    paintRod(p, QPointF(270, 322), QPointF(265, 346), 2.0);
    paintRod(p, QPointF(335, 322), QPointF(340, 346), 2.0);
    QPainterPath shell;
    shell.addEllipse(back, radius - 2, radius - 2);
    shell.addRect(QRectF(centre.x() - radius + 2, back.y(), 2 * radius - 4, centre.y() - back.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(cylinderShade(centre.x() - radius, centre.x() + radius, shade(kLacquer, 0.8)));
    p.drawPath(shell.simplified());

    QRadialGradient skin(centre - QPointF(12, 14), radius * 1.3);
    skin.setColorAt(0, shade(kCoatedHead, 1.2));
    skin.setColorAt(0.75, kCoatedHead);
    skin.setColorAt(1, shade(kCoatedHead, 0.72));
    p.setBrush(skin);
    QPainterPath head;
    head.addEllipse(centre, radius - 4, radius - 4);
    p.drawPath(head);
    // A felt strip across the head.
    p.save();
    p.setClipPath(head, Qt::IntersectClip);
    p.fillRect(QRectF(centre.x() - radius, centre.y() + 13, 2 * radius, 5), QColor(204, 198, 186));
    p.restore();

    // The wooden hoop in the shells' colour, inlaid with a chrome line, and its claws.
    QLinearGradient hoop(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    hoop.setColorAt(0, shade(kLacquer, 1.5));
    hoop.setColorAt(0.5, kLacquer);
    hoop.setColorAt(1, shade(kLacquer, 0.5));
    p.setPen(QPen(QBrush(hoop), 5.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 1.5, radius - 1.5);
    p.setPen(QPen(QColor(225, 228, 232), 0.8));
    p.drawEllipse(centre, radius - 1.5, radius - 1.5);
    for (int i = 0; i < 10; ++i) {
        const qreal a = 2 * M_PI * (i + 0.5) / 10;
        const QPointF dir(qCos(a), qSin(a));
        paintRod(p, centre + dir * (radius - 6.5), centre + dir * (radius + 0.5), 2.0);
    }

    // The pedal in front: footboard with its heel, the frame, and the beater at the head.
    const QPolygonF footboard{QPointF(277.5, 354), QPointF(289.5, 354), QPointF(294.5, 395),
                              QPointF(272.5, 395)};
    QLinearGradient plate(QPointF(0, 354), QPointF(0, 395));
    plate.setColorAt(0, QColor(88, 90, 100));
    plate.setColorAt(1, QColor(164, 168, 176));
    p.setPen(QPen(QColor(30, 30, 34), 1));
    p.setBrush(plate);
    p.drawPolygon(footboard);
    p.setBrush(QColor(50, 50, 56));
    p.drawRect(QRectF(272.5, 387.5, 22, 8));
    p.setPen(QPen(QColor(60, 60, 68), 1.2));
    p.drawLine(QPointF(283.5, 358), QPointF(283.5, 384));
    paintRod(p, QPointF(274, 356), QPointF(275, 338), 2.4);
    paintRod(p, QPointF(293, 356), QPointF(292, 338), 2.4);
    paintRod(p, QPointF(275, 339), QPointF(292, 339), 2.4);
    paintRod(p, QPointF(283.5, 339), QPointF(284.5, 316), 1.8);
    QPainterPath beater;
    beater.addEllipse(QPointF(284.5, 313), 5, 4.5);
    QRadialGradient felt(QPointF(283, 311), 6);
    felt.setColorAt(0, QColor(250, 250, 250));
    felt.setColorAt(1, QColor(170, 170, 176));
    p.setPen(QPen(QColor(80, 80, 86), 0.8));
    p.setBrush(felt);
    p.drawPath(beater);

    if (view.lit(BassDrum1)) {
        paintGlow(p, head.united(beater), BassDrum1, view.glow);
        QPainterPath pedal;
        pedal.addPolygon(footboard);
        paintGlow(p, pedal, BassDrum1, view.glow, 0.75);
    }
}

void paintHighQPad(QPainter& p, const ObjectView& view)
{
    QPainterPath hex;
    const QPointF c(266.5, 213.5);
    for (int i = 0; i < 6; ++i) {
        const qreal a = M_PI / 3 * i;
        const QPointF corner = c + QPointF(qCos(a) * 11, qSin(a) * 9);
        if (i == 0)
            hex.moveTo(corner);
        else
            hex.lineTo(corner);
    }
    hex.closeSubpath();
    const QPainterPath surface = pad(p, hex, QColor(80, 200, 230));
    if (view.lit(HighQ))
        paintGlow(p, surface, HighQ, view.glow);
}

void paintElectricSnarePad(QPainter& p, const ObjectView& view)
{
    QPainterPath round;
    round.addEllipse(QPointF(291.5, 214.5), 10.5, 9);
    const QPainterPath surface = pad(p, round, QColor(226, 60, 60));
    // The mesh of the playing surface.
    p.save();
    p.setClipPath(round, Qt::IntersectClip);
    p.setPen(QPen(QColor(150, 150, 160, 90), 0.6));
    for (int i = -3; i <= 3; ++i) {
        p.drawLine(QPointF(281 + i * 4, 205), QPointF(291 + i * 4, 225));
        p.drawLine(QPointF(301 + i * 4, 205), QPointF(291 + i * 4, 225));
    }
    p.restore();
    if (view.lit(ElectricSnare))
        paintGlow(p, surface, ElectricSnare, view.glow);
}

void paintMuteHighConga(QPainter& p, const ObjectView& view)
{
    paintConga(p, view, MuteHighConga, QRectF(423.5, 192.5, 27, 14), 76);
}

void paintOpenHighConga(QPainter& p, const ObjectView& view)
{
    paintConga(p, view, OpenHighConga, QRectF(455.5, 190.5, 31, 16), 70);
}

void paintLowConga(QPainter& p, const ObjectView& view)
{
    paintConga(p, view, LowConga, QRectF(531.5, 175.5, 42, 21), 86);
}

void paintBongos(QPainter& p, const ObjectView& view)
{
    // The block that joins the pair, then the two small drums.
    QLinearGradient block(QPointF(535, 0), QPointF(547, 0));
    block.setColorAt(0, QColor(90, 50, 22));
    block.setColorAt(0.4, QColor(190, 120, 60));
    block.setColorAt(1, QColor(80, 44, 20));
    p.setPen(QPen(QColor(50, 26, 10), 0.8));
    p.setBrush(block);
    p.drawRoundedRect(QRectF(534.5, 124.5, 12, 16), 2, 2);

    const DrumFinish finish{kCongaWood, kRawhide, QColor(200, 204, 210), 3};
    const QPainterPath high = paintDrum(p, QRectF(508.5, 113.5, 29, 14), 30, finish);
    const QPainterPath low = paintDrum(p, QRectF(543.5, 109.5, 36, 18), 34, finish);
    if (view.lit(HighBongo))
        paintGlow(p, high, HighBongo, view.glow);
    if (view.lit(LowBongo))
        paintGlow(p, low, LowBongo, view.glow);
}

void paintHighTimbale(QPainter& p, const ObjectView& view)
{
    const QPainterPath top = timbale(p, QRectF(15.5, 331.5, 62, 30), 16, 391);
    if (view.lit(HighTimbale))
        paintGlow(p, top, HighTimbale, view.glow);
}

void paintLowTimbale(QPainter& p, const ObjectView& view)
{
    const QPainterPath top = timbale(p, QRectF(95.5, 328.5, 70, 33), 18, 392);
    if (view.lit(LowTimbale))
        paintGlow(p, top, LowTimbale, view.glow);
}

void paintMuteSurdo(QPainter& p, const ObjectView& view)
{
    const QPainterPath top = paintDrum(p, QRectF(445.5, 278.5, 30, 19), 92, kSurdoFinish);
    if (view.lit(MuteSurdo))
        paintGlow(p, top, MuteSurdo, view.glow);
}

void paintOpenSurdo(QPainter& p, const ObjectView& view)
{
    const QPainterPath top = paintDrum(p, QRectF(478.5, 274.5, 50, 27), 88, kSurdoFinish);
    if (view.lit(OpenSurdo))
        paintGlow(p, top, OpenSurdo, view.glow);
}

void paintCuica(QPainter& p, const ObjectView& view)
{
    const QRectF head(542.5, 281.5, 42, 19);
    const QPainterPath top = paintDrum(p, head, 40, {kSteel, kRawhide, QColor(214, 218, 224), 4});
    // The stick fixed to the middle of the head inside.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 90, 50));
    p.drawEllipse(head.center(), 2.2, 1.4);
    if (view.lit(MuteCuica))
        paintGlow(p, top, MuteCuica, view.glow);
    if (view.lit(OpenCuica))
        paintGlow(p, top, OpenCuica, view.glow);
}

} // namespace velmar::drawing
