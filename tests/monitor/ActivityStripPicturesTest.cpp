#include "monitor/ui/ActivityStripPictures.h"

#include "runtime/pictures/BitmapResource.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"
#include "tests/pictures/PictureComparison.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace velmar::monitor {
namespace {

// The strip, `size` pixels, painted on a screen of `ratio`, in its device pixels.
QImage paint(ActivityStripPictures& pictures, const ActivityLights& lights, double ratio,
             QSize size = kActivityStripSize)
{
    QImage screen(DeviceSize(size, ratio), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(Qt::magenta);
    QPainter canvas(&screen);
    pictures.Paint(canvas, lights, size);
    return screen;
}

// The picture of the set of `scale` as it is stored.
QImage stored(QStringView name, int scale)
{
    QImage picture;
    if (scale == 1)
        EXPECT_TRUE(LoadBitmapResource(name, picture, kMonitorPictures));
    else
        picture.load(PictureSetPath(kMonitorPictures, scale, name));
    return picture.convertToFormat(QImage::Format_RGB32);
}

class ActivityStripOnScreens : public ::testing::TestWithParam<int> {};

TEST_P(ActivityStripOnScreens, LightsAreCopiedFromTheSetOfTheScreensPixels)
{
    const int ratio = GetParam();
    ActivityStripPictures pictures;
    ASSERT_TRUE(pictures.Load(30000));
    ActivityLights lights;
    const QImage dark = paint(pictures, lights, ratio);
    EXPECT_EQ(dark, stored(u"MONNEG8", ratio)) << "every light off";

    lights.LightChannel(kNoteOnLights, 9);
    lights.LightChannel(kOtherLights, 0);
    const QImage lit = paint(pictures, lights, ratio);
    QRegion changed;
    for (const QRect& light : {ActivityRects[kNoteOnLights][9], ActivityRects[kOtherLights][0]}) {
        const QRect pixels = DeviceRect(light, ratio);
        changed += pixels;
        EXPECT_NE(lit.copy(pixels), dark.copy(pixels));
        EXPECT_EQ(lit.copy(pixels), stored(u"MONPOS8", ratio).copy(pixels));
    }
    EXPECT_EQ(testing::differingPixelsOutside(lit, dark, changed), 0);
}

TEST_P(ActivityStripOnScreens, APictureScaledForALargerFontFillsItsStrip)
{
    // The Japanese font makes the form, the strip with it, about a tenth larger.
    const int ratio = GetParam();
    const QSize strip(340, 40);
    ActivityStripPictures pictures;
    ASSERT_TRUE(pictures.Load(30000));
    ActivityLights lights;
    const QImage dark = paint(pictures, lights, ratio, strip);
    for (int y = 0; y < dark.height(); ++y)
        for (int x = 0; x < dark.width(); ++x)
            ASSERT_NE(dark.pixel(x, y), qRgb(255, 0, 0xFF)) << "uncovered at " << x << ',' << y;

    lights.LightChannel(kNoteOnLights, 15);
    const QRect light = LightOnStrip(ActivityRects[kNoteOnLights][15], strip);
    const QImage lit = paint(pictures, lights, ratio, strip);
    const QRect pixels = DeviceRect(light, ratio);
    EXPECT_NE(lit.copy(pixels), dark.copy(pixels));
    EXPECT_EQ(testing::differingPixelsOutside(lit, dark, pixels), 0);
    // Where the light's green is, scaled with its rectangle.
    const QColor centre = lit.pixelColor(pixels.center());
    EXPECT_GT(centre.green(), centre.red());
}

INSTANTIATE_TEST_SUITE_P(Ratio, ActivityStripOnScreens, ::testing::Values(1, 2, 3));

TEST(ActivityStripPictures, LightsOnALargerStripMeetAsInThePictures)
{
    EXPECT_EQ(LightOnStrip(ActivityRects[kOtherLights][3], kActivityStripSize),
              ActivityRects[kOtherLights][3]);
    const QSize strip(340, 40);
    for (std::size_t row = 0; row < kLightRows; ++row) {
        for (std::size_t channel = 0; channel < kChannelCount; ++channel) {
            SCOPED_TRACE(::testing::Message() << row << ' ' << channel);
            const QRect design = ActivityRects[row][channel];
            const QRect light = LightOnStrip(design, strip);
            EXPECT_TRUE(QRect(QPoint(0, 0), strip).contains(light));
            EXPECT_NEAR(light.width(), design.width() * 340.0 / 312, 1.0);
            EXPECT_NEAR(light.height(), design.height() * 40.0 / 37, 1.0);
            if (channel == 0)
                continue;
            // Neighbours never overlap, and the gap between them grows with the strip alone.
            const QRect left = ActivityRects[row][channel - 1];
            const int gap = light.left() - LightOnStrip(left, strip).right() - 1;
            const int designGap = design.left() - left.right() - 1;
            EXPECT_GE(gap, 0);
            EXPECT_LE(gap, std::ceil(designGap * 340.0 / 312));
        }
    }
}

TEST(ActivityStripPictures, SixteenColoursAreScaledUpFromTheDesignSize)
{
    ActivityStripPictures pictures;
    ASSERT_TRUE(pictures.Load(16));
    const QImage shown = paint(pictures, ActivityLights{}, 2);
    EXPECT_EQ(shown.size(), QSize(624, 74));
    EXPECT_EQ(shown.pixel(0, 0), qRgb(192, 192, 192)) << "the face, not the magenta beneath";
}

} // namespace
} // namespace velmar::monitor
