#pragma once

#include "drums/core/DrumCanvas.h"
#include "drums/ui/KitPictures.h"

#include <QPixmap>

class QPainter;
class QWidget;

namespace velmar::drums {

// The drum panel's picture, kept whole between paints: every look change is a rectangle
// copied into it from the pre-scaled pictures, and only that rectangle of the panel is
// painted again.
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
    const KitPictures& m_pictures;
    QWidget& m_panel;
    QPixmap m_buffer;
};

} // namespace velmar::drums
