#pragma once

#include "drums/core/DrumCanvas.h"
#include "drums/ui/KitPictures.h"

#include <QPixmap>

class QPainter;
class QWidget;

namespace velmar::drums {

// The drum panel's picture, kept whole between paints: every look change is a rectangle
// copied into it from the pre-scaled pictures, and only that rectangle of the panel is
// painted again. The rectangles are in the panel's pixels; the picture is kept in the
// screen's device pixels, which the pictures are made for.
class PanelCanvas : public DrumCanvas {
public:
    PanelCanvas(const KitPictures& pictures, QWidget& panel);

    // Starts the panel anew at its widget's size, showing all of `picture`.
    void CopyAll(KitPicture picture);

    void CopyRegion(KitPicture picture, const QRect& area) override;
    void CopyPicture(SmallPicture picture, HitColour colour, const QRect& area) override;
    void FillBlack(const QRect& area) override;

    // Draws the panel's picture (the paint box's paint handler).
    void Paint(QPainter& painter) const;

private:
    [[nodiscard]] QRect device(const QRect& area) const;

    const KitPictures& m_pictures;
    QWidget& m_panel;
    QPixmap m_buffer; // device pixels, painted without scaling
    double m_devicePixelRatio = 1.0;
};

} // namespace velmar::drums
