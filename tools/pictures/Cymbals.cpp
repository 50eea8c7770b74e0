// The cymbals: crashes, splash, rides and their bell, china, and the hi-hat on its stand.

#include "tools/pictures/KitGeometry.h"
#include "tools/pictures/KitObjects.h"
#include "tools/pictures/Materials.h"

#include <QLinearGradient>

namespace velmar::drawing {
namespace {

const QColor kBronze(214, 168, 72);
const QColor kDarkBronze(176, 112, 48); // the china's trashier alloy

// A cymbal on its stand: the rod from below, then the plate over it.
void paintStandCymbal(QPainter& p, const ObjectView& view, int row, const QPointF& centre, qreal rx,
                      qreal ry, qreal angle, qreal floor, qreal bell = 0.24)
{
    paintRod(p, centre, QPointF(centre.x(), floor), 2.2);
    const QPainterPath plate = paintCymbal(p, centre, rx, ry, angle, bell, kBronze);
    if (view.lit(row))
        paintGlow(p, plate, row, view.glow);
}

} // namespace

void paintCrash(QPainter& p, const ObjectView& view)
{
    paintStandCymbal(p, view, CrashCymbal1, QPointF(184, 116), 29, 17, -14, 141);
}

void paintCrash2(QPainter& p, const ObjectView& view)
{
    paintStandCymbal(p, view, CrashCymbal2, QPointF(228.5, 107), 17, 13, 12, 135);
}

void paintSplash(QPainter& p, const ObjectView& view)
{
    paintStandCymbal(p, view, SplashCymbal, QPointF(286.5, 112), 25, 11, -4, 132, 0.2);
}

void paintRide1(QPainter& p, const ObjectView& view)
{
    paintStandCymbal(p, view, RideCymbal1, QPointF(341, 114), 18, 12.5, 8, 140, 0.3);
}

void paintRide2(QPainter& p, const ObjectView& view)
{
    paintStandCymbal(p, view, RideCymbal2, QPointF(392, 102), 29, 22, -12, 137, 0.26);
}

void paintRideBell(QPainter& p, const ObjectView& view)
{
    // A small cymbal that is nearly all bell, in front of the big ride.
    const QPointF centre(366.5, 84);
    paintRod(p, centre, QPointF(centre.x(), 100), 2.0);
    paintCymbal(p, centre, 17, 11, 6, 0.5, kBronze);
    if (view.lit(RideBell)) {
        QPainterPath bell;
        bell.addEllipse(centre, 17 * 0.62, 11 * 0.62);
        paintGlow(p, bell, RideBell, view.glow);
    }
}

void paintChina(QPainter& p, const ObjectView& view)
{
    const QPointF centre(448.5, 132);
    paintRod(p, centre, QPointF(centre.x(), 169), 2.2);
    const QPainterPath plate = paintCymbal(p, centre, 38, 18, -8, 0.26, kDarkBronze);
    // The turned-up edge that gives the china its bark.
    p.save();
    p.translate(centre);
    p.rotate(-8);
    p.setPen(QPen(shade(kDarkBronze, 1.45), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(-33, -15.5, 66, 31));
    p.setPen(QPen(shade(kDarkBronze, 0.45), 1.0));
    p.drawEllipse(QRectF(-30.5, -14, 61, 28));
    p.restore();
    if (view.lit(ChineseCymbal))
        paintGlow(p, plate, ChineseCymbal, view.glow);
}

void paintHiHat(QPainter& p, const ObjectView& view)
{
    const bool closed = view.shows(ClosedHiHat, Look::HiHatClosedLit) ||
                        view.shows(ClosedHiHat, Look::HiHatClosedRest);
    const bool cymbalsLit = view.shows(ClosedHiHat, Look::HiHatClosedLit) || view.lit(ClosedHiHat);
    const bool footDown = closed;
    const qreal x = 165.5;

    // Tripod, rod and pedal; the footboard tips down when the foot closes the hi-hat.
    paintRod(p, QPointF(x, 248), QPointF(140, 259), 2.0);
    paintRod(p, QPointF(x, 248), QPointF(191, 259), 2.0);
    paintRod(p, QPointF(x, 224), QPointF(x, 252), 2.4);
    QPolygonF footboard =
        footDown
            ? QPolygonF{QPointF(159, 253), QPointF(172, 253), QPointF(174, 260), QPointF(157, 260)}
            : QPolygonF{QPointF(160, 250), QPointF(171, 250), QPointF(174, 260), QPointF(157, 260)};
    QLinearGradient plate(QPointF(0, 250), QPointF(0, 260));
    plate.setColorAt(0, QColor(70, 72, 80));
    plate.setColorAt(1, QColor(150, 154, 162));
    p.setPen(QPen(QColor(30, 30, 34), 0.8));
    p.setBrush(plate);
    p.drawPolygon(footboard);

    // Bottom cymbal, then the top one: apart when open, together when closed.
    const qreal bottomY = 233;
    const qreal topY = closed ? 230.5 : 226;
    const QPainterPath lower = paintCymbal(p, QPointF(x, bottomY), 31, 6.5, 0, 0.22, kBronze);
    paintRod(p, QPointF(x, topY - 7), QPointF(x, topY), 2.0);
    const QPainterPath upper = paintCymbal(p, QPointF(x, topY), 31, 6.5, 0, 0.22, kBronze);
    // The clutch that holds the top cymbal.
    p.fillRect(QRectF(x - 2.5, topY - 6, 5, 3), QColor(200, 204, 210));

    if (cymbalsLit)
        paintGlow(p, upper.united(lower), ClosedHiHat, view.glow);
    if (view.shows(ClosedHiHat, Look::HiHatClosedRest)) {
        // The foot's press, in the colour of whoever played it.
        QPainterPath pedal;
        pedal.addPolygon(footboard);
        paintGlow(p, pedal, ClosedHiHat, view.glow, 0.6);
    }
}

} // namespace velmar::drawing
