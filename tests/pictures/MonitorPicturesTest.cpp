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
using testing::loadPicture;

int greenSum(const QImage& image, const QRect& area)
{
    int sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGreen(image.pixel(x, y));
    }
    return sum;
}

class MonitorPictures : public ::testing::TestWithParam<int> {};

TEST_P(MonitorPictures, OnlyTheLightsChange)
{
    const QImage off = loadPicture(kMonitorPictures, QStringLiteral("MONNEG%1").arg(GetParam()));
    const QImage on = loadPicture(kMonitorPictures, QStringLiteral("MONPOS%1").arg(GetParam()));
    QRegion lights;
    for (int r = 0; r < drawing::kActivityRows; ++r) {
        for (int c = 0; c < drawing::kChannels; ++c)
            lights += activityRect(r, c);
    }
    EXPECT_EQ(differingPixelsOutside(off, on, lights), 0);

    for (int r = 0; r < drawing::kActivityRows; ++r) {
        for (int c = 0; c < drawing::kChannels; ++c) {
            SCOPED_TRACE(::testing::Message() << "row " << r << " channel " << c + 1);
            const QRect light = activityRect(r, c);
            // A good part of a lamp that fills the rectangle's height.
            EXPECT_GT(differingPixels(off, on, light), 2 * light.height());
            EXPECT_GT(greenSum(on, light), greenSum(off, light) * 3 / 2); // brighter when on
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depth, MonitorPictures, ::testing::Values(4, 8),
                         [](const auto& tested) { return std::to_string(tested.param) + "bit"; });

} // namespace
} // namespace velmar
