#include "monitor/ui/ActivityStripPictures.h"

#include "runtime/pictures/BitmapResource.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"
#include "tests/pictures/PictureComparison.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace velmar::monitor {
namespace {

// The strip painted on a screen of `ratio`, in its device pixels.
QImage paint(ActivityStripPictures& pictures, const ActivityLights& lights, double ratio)
{
    QImage screen(DeviceSize(QSize(312, 37), ratio), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(Qt::magenta);
    QPainter canvas(&screen);
    pictures.Paint(canvas, lights);
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

INSTANTIATE_TEST_SUITE_P(Ratio, ActivityStripOnScreens, ::testing::Values(1, 2, 3));

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
