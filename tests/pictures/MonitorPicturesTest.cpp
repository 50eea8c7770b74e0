#include "runtime/pictures/PictureModules.h"
#include "tests/pictures/PictureComparison.h"
#include "tests/pictures/PictureLoading.h"
#include "tools/pictures/MonitorGeometry.h"

#include <QRegion>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using drawing::activityRect;
using testing::differingPixels;
using testing::differingPixelsOutside;
using testing::inSet;
using testing::loadPicture;
using testing::PictureSet;

int greenSum(const QImage& image, const QRect& area)
{
    int sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGreen(image.pixel(x, y));
    }
    return sum;
}

class MonitorPictures : public ::testing::TestWithParam<PictureSet> {};

TEST_P(MonitorPictures, OnlyTheLightsChange)
{
    const PictureSet set = GetParam();
    const QImage off = loadPicture(kMonitorPictures, set, QStringLiteral("MONNEG"));
    const QImage on = loadPicture(kMonitorPictures, set, QStringLiteral("MONPOS"));
    EXPECT_EQ(off.size(), drawing::kActivityStripSize * set.scale);
    QRegion lights;
    for (int r = 0; r < drawing::kActivityRows; ++r) {
        for (int c = 0; c < drawing::kChannels; ++c)
            lights += inSet(activityRect(r, c), set);
    }
    EXPECT_EQ(differingPixelsOutside(off, on, lights), 0);

    for (int r = 0; r < drawing::kActivityRows; ++r) {
        for (int c = 0; c < drawing::kChannels; ++c) {
            SCOPED_TRACE(::testing::Message() << "row " << r << " channel " << c + 1);
            const QRect light = inSet(activityRect(r, c), set);
            // A good part of a lamp that fills the rectangle's height.
            EXPECT_GT(differingPixels(off, on, light), 2 * light.height());
            EXPECT_GT(greenSum(on, light), greenSum(off, light) * 3 / 2); // brighter when on
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Set, MonitorPictures, testing::kEveryPictureSet, testing::pictureSetName);

} // namespace
} // namespace velmar
