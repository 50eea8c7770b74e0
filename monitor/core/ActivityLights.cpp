#include "monitor/core/ActivityLights.h"

#include <cmath>

namespace velmar::monitor {

namespace {

// Left and right (exclusive) edges of the light columns, channel 1 to 16.
constexpr std::array<int, kChannelCount> kLeft = {49,  64,  80,  96,  112, 128, 144, 160,
                                                  176, 193, 208, 224, 240, 256, 272, 288};
constexpr std::array<int, kChannelCount> kRight = {63,  79,  95,  111, 127, 143, 159, 175,
                                                   192, 207, 223, 239, 255, 271, 287, 302};
// Top and bottom (exclusive) edges of the NoteOn and Other rows.
constexpr std::array<int, kLightRows> kTop = {10, 22};
constexpr std::array<int, kLightRows> kBottom = {21, 34};

constexpr std::array<std::array<QRect, kChannelCount>, kLightRows> lightRects()
{
    std::array<std::array<QRect, kChannelCount>, kLightRows> rects{};
    for (std::size_t row = 0; row < kLightRows; ++row)
        for (std::size_t channel = 0; channel < kChannelCount; ++channel)
            rects[row][channel] = QRect(kLeft[channel], kTop[row], kRight[channel] - kLeft[channel],
                                        kBottom[row] - kTop[row]);
    return rects;
}

} // namespace

const std::array<std::array<QRect, kChannelCount>, kLightRows> ActivityRects = lightRects();

QRect LightOnStrip(const QRect& light, QSize strip)
{
    const auto scaled = [](int edge, int to, int from) {
        return static_cast<int>(std::lround(static_cast<double>(edge) * to / from));
    };
    const auto x = [&](int edge) {
        return scaled(edge, strip.width(), kActivityStripSize.width());
    };
    const auto y = [&](int edge) {
        return scaled(edge, strip.height(), kActivityStripSize.height());
    };
    return QRect(QPoint(x(light.left()), y(light.top())),
                 QPoint(x(light.left() + light.width()), y(light.top() + light.height())) -
                     QPoint(1, 1));
}

} // namespace velmar::monitor
