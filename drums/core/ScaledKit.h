#pragma once

#include "drums/core/DrumInstrument.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace velmar::drums {

// The kit table's three rectangles at the current zoom, used for every drawing and hit
// test. Rebuilt whenever the pictures are loaded for a new Scale.
class ScaledKit {
public:
    ScaledKit();

    // Each coordinate becomes base × scale, rounded halves to even.
    void Rescale(double scale);
    [[nodiscard]] double scale() const { return m_scale; }

    // `rect` of the 600 × 400 pictures at the current scale.
    [[nodiscard]] QRect Scaled(const KitRect& rect) const;

    // Rows by index, 0 to 60.
    [[nodiscard]] const QRect& LitRect(int index) const;
    [[nodiscard]] const QRect& HitRect(int index) const;
    [[nodiscard]] const QRect& CoverRect(int index) const;

    // The first row whose HitRect holds `point` (Right and Bottom edges outside), or
    // nothing: overlapping click areas resolve to the lower note.
    [[nodiscard]] std::optional<int> InstrumentAt(QPoint point) const;

private:
    double m_scale = 1.0;
    PerInstrument<QRect> m_lit;
    PerInstrument<QRect> m_hit;
    PerInstrument<QRect> m_cover;
};

} // namespace velmar::drums
