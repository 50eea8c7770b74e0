#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

namespace velmar::testing {

// How many pixels of `area` differ between two pictures of the same size.
[[nodiscard]] inline int differingPixels(const QImage& a, const QImage& b, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    return count;
}

// How many pixels differ outside `allowed`.
[[nodiscard]] inline int differingPixelsOutside(const QImage& a, const QImage& b,
                                                const QRegion& allowed)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && !allowed.contains(QPoint(x, y)))
                ++count;
        }
    }
    return count;
}

} // namespace velmar::testing
