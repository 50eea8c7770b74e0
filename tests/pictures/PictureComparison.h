#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstddef>
#include <vector>

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
    // A mask rather than a look-up in the region per pixel: the finer sets have millions.
    std::vector<bool> inside(static_cast<std::size_t>(a.width()) * a.height());
    for (const QRect& rect : allowed& a.rect()) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                inside[static_cast<std::size_t>(y) * a.width() + x] = true;
        }
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!inside[static_cast<std::size_t>(y) * a.width() + x] &&
                a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    return count;
}

} // namespace velmar::testing
