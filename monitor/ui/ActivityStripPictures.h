#pragma once

#include "monitor/core/ActivityLights.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace velmar::monitor {

// The activity strip's two pictures, every light off and every light on, made to fill the
// strip in the device pixels of the screen it is drawn on, from the set fine enough for them.
// The lights' rectangles stay in the pictures' own pixels (LightOnStrip).
class ActivityStripPictures {
public:
    // Loads the design-size pictures for a display of `colorCount` colours. False when either
    // is missing.
    [[nodiscard]] bool Load(int colorCount);

    // Draws the strip, `size` pixels, with the lights that are on; for a screen of another
    // device pixel ratio or another size than the last, the pictures are made for it first.
    void Paint(QPainter& canvas, const ActivityLights& lights, QSize size);

private:
    // False, with the pictures as they were, when either is missing.
    bool loadFor(double devicePixelRatio, QSize size);

    int m_colorCount = 0;
    double m_devicePixelRatio = 1.0;
    QSize m_size = kActivityStripSize;
    QImage m_off;
    QImage m_on;
};

} // namespace velmar::monitor
