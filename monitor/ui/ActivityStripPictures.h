#pragma once

#include "monitor/core/ActivityLights.h"

#include <QImage>

class QPainter;

namespace velmar::monitor {

// The activity strip's two pictures, every light off and every light on, made for the
// device pixels of the screen the strip is drawn on, from the set fine enough for them. The
// lights' rectangles stay in the strip's own pixels.
class ActivityStripPictures {
public:
    // Loads the design-size pictures for a display of `colorCount` colours. False when either
    // is missing.
    [[nodiscard]] bool Load(int colorCount);

    // Draws the strip with the lights that are on; on a screen of another device pixel
    // ratio than the last, the pictures are made for it first.
    void Paint(QPainter& canvas, const ActivityLights& lights);

private:
    // False, with the pictures as they were, when either is missing.
    bool loadFor(double devicePixelRatio);

    int m_colorCount = 0;
    double m_devicePixelRatio = 1.0;
    QImage m_off;
    QImage m_on;
};

} // namespace velmar::monitor
