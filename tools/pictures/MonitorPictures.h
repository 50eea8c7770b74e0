#pragma once

#include "tools/pictures/PictureSet.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace velmar::drawing {

// The monitor's channel activity strip with every light off ("MONNEG") and on ("MONPOS"),
// drawn `scale` times as fine as the 312 x 37 design.
[[nodiscard]] PictureFamily monitorPictures(int scale);

// The parts of the strip the program's icon shows too: the face (the standard palette's grey,
// so the 16-colour version keeps it exactly), a dark well sunk into it (its edges drawn one
// pixel outside `well`), and a round lamp filling the height of `area`, drawn inside it only.
inline const QColor kMonitorFace(192, 192, 192);
void paintLampWell(QPainter& p, const QRect& well);
void paintLamp(QPainter& p, const QRect& area, bool on);

} // namespace velmar::drawing
