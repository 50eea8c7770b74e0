#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRectF>

namespace velmar::drawing {

// Shared drawing of the kit: surfaces, metals and the glow of a lit instrument.

[[nodiscard]] QColor mix(const QColor& a, const QColor& b, qreal t);
[[nodiscard]] QColor shade(const QColor& color, qreal factor); // < 1 darker, > 1 lighter

// The anchor's lit rectangle of instrument `row`, in picture coordinates.
[[nodiscard]] QRectF litArea(int row);

// The glow of a lit instrument: `glow` over `surface`, brightest in the middle of the part of
// it inside the lit rectangle and fading out towards its edges, drawn inside that rectangle
// only.
void paintGlow(QPainter& p, const QPainterPath& surface, int row, const QColor& glow,
               qreal strength = 1.0);

// A bright rod with round ends, shaded across its length like polished metal.
void paintRod(QPainter& p, const QPointF& from, const QPointF& to, qreal width,
              const QColor& metal = QColor(200, 204, 210));

// A round body of `color` lit from the upper left.
[[nodiscard]] QRadialGradient sphereShade(const QPointF& centre, qreal radius, const QColor& color);

// A horizontal cylinder shading for a shell between `left` and `right`.
[[nodiscard]] QLinearGradient cylinderShade(qreal left, qreal right, const QColor& base);

struct DrumFinish {
    QColor shell;
    QColor head;
    QColor hoop = QColor(210, 214, 220);
    int lugs = 4; // tension lugs seen on the front of the shell
    // Where the lugs run, as fractions of the shell's depth: short lugs on the kit's drums,
    // rods from hoop to hoop on the surdos.
    qreal lugTop = 0.22;
    qreal lugBottom = 0.62;
};

// A drum seen from above and in front: `head` is the ellipse of its top, the shell hangs
// `depth` pixels below it. Returns the head's outline, for the glow.
QPainterPath paintDrum(QPainter& p, const QRectF& head, qreal depth, const DrumFinish& finish);

// A cymbal seen at an angle: an ellipse of radii `rx`, `ry` turned by `angle` degrees, with
// a bell of `bell` (fraction of the radius) in the middle. Returns its outline.
QPainterPath paintCymbal(QPainter& p, const QPointF& centre, qreal rx, qreal ry, qreal angle,
                         qreal bell = 0.24, const QColor& metal = QColor(214, 168, 72));

} // namespace velmar::drawing
