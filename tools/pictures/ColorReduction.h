#pragma once

#include <QColor>
#include <QImage>
#include <QList>

namespace velmar::drawing {

// How a drawing becomes a picture of few colours.
struct ColorReduction {
    QList<QRgb> palette;
    // Strength of an ordered dither (0: nearest colour only). The pattern is fixed to picture
    // coordinates, so every pixel maps by its colour and place alone: two drawings that agree
    // somewhere still agree there after the reduction, and a crop maps like the whole.
    int ditherSpread = 0;
    // Colour is strengthened up to this factor (light colours most) before the reduction,
    // brightness kept: a pale glow then lands on the palette's green or yellow rather than
    // on its white.
    double saturation = 1.0;
};

// The 16 colours of the standard palette, in its order.
[[nodiscard]] QList<QRgb> standardPalette();

// `count` colours chosen for `drawings` together (median cut over all their pixels), pure
// black always among them so that black stays black.
[[nodiscard]] QList<QRgb> choosePalette(const QList<QImage>& drawings, int count);

// `drawing` reduced to an indexed picture of the reduction's palette.
[[nodiscard]] QImage reduceColors(const QImage& drawing, const ColorReduction& reduction);

} // namespace velmar::drawing
