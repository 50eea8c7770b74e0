#include "tools/pictures/ColorReduction.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <set>

namespace velmar {
namespace {

using drawing::choosePalette;
using drawing::ColorReduction;
using drawing::reduceColors;
using drawing::standardPalette;

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    }
    return image;
}

TEST(ColorReduction, FewColoursAreKeptExactlyAndBlackStaysBlack)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.fillRect(0, 0, 8, 8, QColor(200, 40, 30));
    p.fillRect(8, 8, 8, 8, QColor(12, 200, 250));
    p.fillRect(8, 0, 8, 8, QColor(1, 1, 1));
    p.end();

    const QList<QRgb> palette = choosePalette({image}, 256);
    ASSERT_EQ(palette.size(), 256);
    EXPECT_EQ(palette.front(), qRgb(0, 0, 0));
    const QImage reduced = reduceColors(image, {palette, 0});
    for (const QPoint at : {QPoint(2, 2), QPoint(12, 12), QPoint(12, 2), QPoint(2, 12)})
        EXPECT_EQ(reduced.pixel(at), image.pixel(at));
}

TEST(ColorReduction, APaletteIsTheSameEveryTime)
{
    const QImage image = gradient(64, 48);
    EXPECT_EQ(choosePalette({image}, 256), choosePalette({image}, 256));
    EXPECT_EQ(choosePalette({image}, 16).size(), 16);
}

TEST(ColorReduction, APixelMapsByItsColourAndPlaceAlone)
{
    // Two drawings that differ in one corner: their reductions differ in that corner only,
    // with or without dither, so a rectangle copied from one onto the other fits exactly.
    const QImage rest = gradient(40, 30);
    QImage lit = rest;
    QPainter(&lit).fillRect(25, 18, 10, 8, QColor(255, 140, 20));
    const QRect changed(25, 18, 10, 8);
    for (const int dither : {0, 24}) {
        SCOPED_TRACE(dither);
        const ColorReduction reduction{standardPalette(), dither};
        const QImage a = reduceColors(rest, reduction);
        const QImage b = reduceColors(lit, reduction);
        for (int y = 0; y < rest.height(); ++y) {
            for (int x = 0; x < rest.width(); ++x) {
                if (!changed.contains(x, y)) {
                    ASSERT_EQ(a.pixelIndex(x, y), b.pixelIndex(x, y)) << x << "," << y;
                }
            }
        }
    }
}

TEST(ColorReduction, GreysStayGreyInSixteenColours)
{
    const QList<QRgb> palette = standardPalette();
    const std::set<QRgb> greys{qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192),
                               qRgb(255, 255, 255)};
    for (int level = 0; level < 256; level += 5) {
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(qRgb(level, level, level));
        const QImage reduced = reduceColors(image, {palette, 0});
        EXPECT_TRUE(greys.count(reduced.pixel(0, 0)) == 1) << "grey " << level;
    }
    for (const QRgb exact : palette) {
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(exact);
        EXPECT_EQ(reduceColors(image, {palette, 0}).pixel(0, 0), exact);
    }
}

} // namespace
} // namespace velmar
