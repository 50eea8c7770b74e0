// The things that are not drums: the scratch turntable, metronome, whistle, clapping hands
// and a pair of sticks.

#include "tools/pictures/KitGeometry.h"
#include "tools/pictures/KitObjects.h"
#include "tools/pictures/Materials.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <utility>

namespace velmar::drawing {
namespace {

const QColor kChrome(200, 204, 210);
const QColor kSkin(236, 186, 146);

QPainterPath stroked(const QPainterPath& line, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

// An open hand, fingers up, its wrist at the origin; the thumb on the right.
QPainterPath hand()
{
    QPainterPath palm;
    palm.addRoundedRect(QRectF(-8, -24, 16, 25), 5, 5);
    QPainterPath fingers;
    fingers.addRoundedRect(QRectF(-7.5, -46, 15, 26), 6, 6);
    QPainterPath thumb;
    thumb.moveTo(7, -6);
    thumb.quadTo(QPointF(13, -12), QPointF(13, -22));
    return palm.united(fingers).united(stroked(thumb, 6)).simplified();
}

// The lines between the fingers of hand().
QPainterPath fingerGaps()
{
    QPainterPath gaps;
    for (const qreal x : {-3.6, 0.2, 3.9}) {
        gaps.moveTo(x, -44);
        gaps.lineTo(x, -28);
    }
    return gaps;
}

// A stick from its butt to its tip, thinner towards the tip, which ends in a bead.
QPainterPath drumstick(const QPointF& butt, const QPointF& tip)
{
    const QLineF axis(butt, tip);
    const QLineF normal = axis.normalVector().unitVector();
    const QPointF n(normal.dx(), normal.dy());
    QPainterPath stick;
    stick.moveTo(butt + n * 2.4);
    stick.lineTo(tip + n * 1.1);
    stick.lineTo(tip - n * 1.1);
    stick.lineTo(butt - n * 2.4);
    stick.closeSubpath();
    stick.addEllipse(butt, 2.4, 2.4);
    stick.addEllipse(axis.pointAt(1.02), 2.0, 2.0);
    return stick.simplified();
}

} // namespace

void paintTurntable(QPainter& p, const ObjectView& view)
{
    // The deck; its corner beside the ride stays clear for the cymbal's patch.
    const QRectF plinth(251.5, 6.5, 73, 87);
    QLinearGradient brushed(plinth.topLeft(), plinth.bottomRight());
    brushed.setColorAt(0, QColor(86, 88, 96));
    brushed.setColorAt(1, QColor(38, 40, 46));
    p.setPen(QPen(QColor(120, 124, 132), 1));
    p.setBrush(brushed);
    p.drawRoundedRect(plinth, 4, 4);
    // The pitch fader beside it.
    const QRectF fader(328.5, 8.5, 12, 60);
    p.setBrush(QColor(44, 46, 52));
    p.drawRoundedRect(fader, 2, 2);
    p.setPen(QPen(QColor(10, 10, 12), 1.4));
    p.drawLine(QPointF(fader.center().x(), fader.top() + 5),
               QPointF(fader.center().x(), fader.bottom() - 5));
    p.setPen(QPen(QColor(20, 20, 22), 0.8));
    p.setBrush(kChrome);
    p.drawRoundedRect(QRectF(fader.left() + 2, 32, 8, 5), 1, 1);

    // Platter and record with its grooves and label.
    const QPointF c(284, 58);
    p.setPen(QPen(QColor(150, 154, 162), 1.2));
    p.setBrush(QColor(16, 16, 18));
    p.drawEllipse(c, 30, 30);
    p.setBrush(Qt::NoBrush);
    for (int r = 11; r < 28; r += 3) {
        p.setPen(QPen(QColor(70, 70, 80, r % 2 == 0 ? 160 : 90), 0.8));
        p.drawEllipse(c, r, r);
    }
    // The light catches the grooves in two opposite wedges.
    QConicalGradient shine(c, 45);
    shine.setColorAt(0.0, QColor(255, 255, 255, 60));
    shine.setColorAt(0.08, QColor(255, 255, 255, 0));
    shine.setColorAt(0.5, QColor(255, 255, 255, 60));
    shine.setColorAt(0.58, QColor(255, 255, 255, 0));
    shine.setColorAt(1.0, QColor(255, 255, 255, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(c, 28, 28);
    p.setBrush(QColor(200, 36, 36));
    p.drawEllipse(c, 8.5, 8.5);
    p.setPen(QPen(QColor(250, 200, 120), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kChrome);
    p.drawEllipse(c, 1.4, 1.4);

    // The tone arm from its pivot to the stylus on the record.
    p.setPen(QPen(QColor(40, 40, 44), 1));
    p.setBrush(sphereShade(QPointF(315, 17), 6, kChrome));
    p.drawEllipse(QPointF(315, 17), 5.5, 5.5);
    paintRod(p, QPointF(315, 17), QPointF(316, 50), 2.2);
    paintRod(p, QPointF(316, 50), QPointF(306, 64), 2.2);
    p.setPen(QPen(QColor(20, 20, 22), 0.8));
    p.setBrush(QColor(60, 62, 70));
    p.drawRoundedRect(QRectF(301, 61, 8, 6), 1.5, 1.5);
    // Start button.
    p.setBrush(QColor(170, 174, 182));
    p.drawRoundedRect(QRectF(256, 84, 9, 6), 1, 1);

    if (view.lit(ScratchPush)) {
        QPainterPath record;
        record.addEllipse(c, 30, 30);
        paintGlow(p, record, ScratchPush, view.glow, 0.8);
    }
}

void paintMetronome(QPainter& p, const ObjectView& view)
{
    // A wooden pyramid with its scale, and the pendulum swung to one side.
    QPainterPath body;
    body.moveTo(80, 268);
    body.lineTo(92, 268);
    body.lineTo(103, 315);
    body.lineTo(69, 315);
    body.closeSubpath();
    QLinearGradient wood(QPointF(69, 0), QPointF(103, 0));
    wood.setColorAt(0, QColor(70, 30, 14));
    wood.setColorAt(0.35, QColor(160, 80, 36));
    wood.setColorAt(1, QColor(54, 24, 10));
    p.setPen(QPen(QColor(30, 12, 4), 0.8));
    p.setBrush(wood);
    p.drawPath(body);
    QPainterPath face;
    face.moveTo(83, 273);
    face.lineTo(89, 273);
    face.lineTo(94, 306);
    face.lineTo(78, 306);
    face.closeSubpath();
    p.setBrush(QColor(232, 220, 190));
    p.drawPath(face);
    p.setPen(QPen(QColor(60, 40, 20), 0.6));
    for (int i = 0; i < 7; ++i) {
        const qreal y = 277 + i * 4;
        p.drawLine(QPointF(85, y), QPointF(87.5, y));
    }
    paintRod(p, QPointF(86, 304), QPointF(78, 271), 1.4);
    p.setPen(QPen(QColor(40, 40, 44), 0.6));
    p.setBrush(kChrome);
    p.drawRect(QRectF(78.5, 279, 4.5, 4));
    // The little bell on its side.
    p.setBrush(QColor(222, 180, 80));
    p.drawChord(QRectF(96, 286, 8, 8), 0, 180 * 16);
    body.addRect(QRectF(96, 286, 8, 5));
    if (view.lit(MetronomeClick))
        paintGlow(p, body, MetronomeClick, view.glow);
}

void paintWhistle(QPainter& p, const ObjectView& view)
{
    // A referee's whistle: round chamber, mouthpiece, and the cord loop.
    p.setPen(QPen(QColor(200, 40, 36), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(47, 287), 6, 8);
    QPainterPath metal;
    metal.addEllipse(QPointF(38, 303), 12, 12);
    QPainterPath mouth;
    mouth.addRoundedRect(QRectF(13, 291.5, 26, 9), 2, 2);
    metal = metal.united(mouth).simplified();
    QLinearGradient sheen(QPointF(0, 290), QPointF(0, 316));
    sheen.setColorAt(0, shade(kChrome, 1.45));
    sheen.setColorAt(0.5, kChrome);
    sheen.setColorAt(1, shade(kChrome, 0.4));
    p.setPen(QPen(QColor(70, 72, 80), 0.8));
    p.setBrush(sheen);
    p.drawPath(metal);
    p.setBrush(QColor(20, 20, 24));
    p.drawRect(QRectF(31, 292.5, 5, 3));
    if (view.lit(ShortWhistle))
        paintGlow(p, metal, ShortWhistle, view.glow);
}

void paintHandClap(QPainter& p, const ObjectView& view)
{
    // Two hands meeting palm to palm, the far one a little darker, and the clap flying off.
    const QTransform far = QTransform().translate(47, 199).rotate(-19);
    const QTransform near = QTransform().translate(17, 199).rotate(19).scale(-1, 1);
    QPainterPath hands;
    for (const auto& [place, light] : {std::pair{far, 0.8}, std::pair{near, 1.0}}) {
        const QPainterPath one = place.map(hand());
        QLinearGradient skin(QPointF(0, 150), QPointF(0, 200));
        skin.setColorAt(0, shade(kSkin, 1.15 * light));
        skin.setColorAt(1, shade(kSkin, 0.75 * light));
        p.setPen(QPen(QColor(110, 60, 32), 0.9));
        p.setBrush(skin);
        p.drawPath(one);
        p.setPen(QPen(QColor(150, 90, 56), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(place.map(fingerGaps()));
        hands.addPath(one);
    }
    p.setPen(QPen(QColor(240, 230, 200), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 151), QPointF(18, 146));
    p.drawLine(QPointF(32, 149), QPointF(32, 144));
    p.drawLine(QPointF(41, 151), QPointF(46, 146));
    if (view.lit(HandClap))
        paintGlow(p, hands.simplified(), HandClap, view.glow, 0.85);
}

void paintSticks(QPainter& p, const ObjectView& view)
{
    const QPainterPath first = drumstick(QPointF(84, 186), QPointF(134, 100));
    const QPainterPath second = drumstick(QPointF(134, 184), QPointF(82, 100));
    QLinearGradient wood(QPointF(73, 0), QPointF(146, 0));
    wood.setColorAt(0, QColor(248, 222, 176));
    wood.setColorAt(0.5, QColor(214, 170, 110));
    wood.setColorAt(1, QColor(236, 204, 150));
    p.setPen(QPen(QColor(110, 72, 30), 0.8));
    p.setBrush(wood);
    p.drawPath(first);
    p.drawPath(second);
    if (view.lit(Sticks))
        paintGlow(p, first.united(second), Sticks, view.glow);
}

} // namespace velmar::drawing
