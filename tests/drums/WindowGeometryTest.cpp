#include "drums/core/WindowGeometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace velmar::drums {
namespace {

struct Resize {
    const char* what;
    QSize client;
    QSize last;
    QSize screen;
    double scale;
    std::optional<int> height;
    std::optional<int> width;
};

void PrintTo(const Resize& resize, std::ostream* out)
{
    *out << resize.what;
}

class ResizeRule : public ::testing::TestWithParam<Resize> {};

TEST_P(ResizeRule, KeepsTheKitsShape)
{
    const Resize& r = GetParam();
    const ZoomedClient zoomed = ZoomToClient(r.client, r.last, r.screen);
    EXPECT_NEAR(zoomed.Scale, r.scale, 1e-9);
    EXPECT_EQ(zoomed.Height, r.height);
    EXPECT_EQ(zoomed.Width, r.width);
}

const QSize kFull{600, 432};
const QSize kLargeScreen{1920, 1080};

INSTANTIATE_TEST_SUITE_P(
    WindowGeometry, ResizeRule,
    ::testing::Values(
        Resize{"QuarterStripSetsTheHeight", {150, 432}, kFull, kLargeScreen, 0.25, 132, {}},
        Resize{"BothGrewTakesTheLarger", {700, 500}, kFull, kLargeScreen, 1.17, 500, 702},
        Resize{"BothShrankTakesTheSmaller", {500, 350}, kFull, kLargeScreen, 0.795, 350, 477},
        Resize{"OneGrewOneShrankTakesTheMean",
               {700, 400},
               kFull,
               kLargeScreen,
               (700.0 / 600 + 0.92) / 2,
               449,
               626},
        Resize{"BothBeyondTheScreenFitTheScreen",
               {1000, 800},
               kFull,
               {800, 600},
               800.0 / 600,
               565,
               800},
        Resize{"WidthBeyondTheScreensHeight", {900, 432}, kFull, {1000, 500}, 1.17, 500, 702},
        Resize{"HeightOnlySetsTheWidth", {600, 232}, kFull, kLargeScreen, 0.5, {}, 300},
        Resize{"HeightBeyondTheScreensWidth",
               {600, 832},
               kFull,
               {1000, 1000},
               1000.0 / 600,
               699,
               1000},
        Resize{"NothingChangedSetsTheSameWidth", kFull, kFull, kLargeScreen, 1.0, {}, 600},
        Resize{"HalfRoundsToEvenUpwards", {600, 237}, kFull, kLargeScreen, 0.5125, {}, 308},
        Resize{"HalfRoundsToEvenDownwards", {600, 239}, kFull, kLargeScreen, 0.5175, {}, 310},
        Resize{"NoKitLeftKeepsATenth", {600, 20}, kFull, kLargeScreen, 0.1, 72, 60}));

TEST(WindowGeometry, OnlyAFreeWidthIsRemembered)
{
    for (const int fixed : {150, 300, 600}) {
        KettraSettings settings;
        settings.WindowSize = 3;
        RememberClientSize(settings, {fixed, 77});
        EXPECT_EQ(settings.WindowSize, 3) << fixed;
        EXPECT_EQ(settings.ClientWidth, 600) << fixed;
    }
    KettraSettings settings;
    RememberClientSize(settings, {702, 500});
    EXPECT_EQ(settings.WindowSize, 0);
    EXPECT_EQ(settings.ClientWidth, 702);
    EXPECT_EQ(settings.ClientHeight, 500);
}

TEST(WindowGeometry, StartPositionIsOnTheScreen)
{
    const QSize frame{600, 432};
    const QRect screen{0, 0, 1920, 1080};
    EXPECT_EQ(StartPosition({-50, 8}, frame, screen), QPoint(1, 8));
    EXPECT_EQ(StartPosition({8, 0}, frame, screen), QPoint(8, 1));
    EXPECT_EQ(StartPosition({1900, 8}, frame, screen), QPoint(1320, 8));
    EXPECT_EQ(StartPosition({8, 1000}, frame, screen), QPoint(8, 648));
    EXPECT_EQ(StartPosition({8, 8}, {2000, 1200}, screen), QPoint(1, 1)) << "larger than it";
    EXPECT_EQ(StartPosition({1900, 8}, frame, {1920, 0, 1280, 1024}), QPoint(1921, 8))
        << "counted from the screen's corner";
}

TEST(WindowGeometry, IdleKeepsTheWindowOnTheScreen)
{
    const QRect screen{0, 0, 800, 600};
    const struct {
        QRect frame;
        QRect kept;
    } cases[] = {
        {{100, 100, 600, 432}, {100, 100, 600, 432}},
        {{100, 100, 900, 700}, {100, 100, 790, 590}},
        {{100, 590, 600, 432}, {100, 580, 600, 432}},
        {{790, 100, 600, 432}, {780, 100, 600, 432}},
        {{100, 0, 600, 432}, {100, 1, 600, 432}},
        {{100, -300, 600, 432}, {100, 1, 600, 432}},
        {{-590, 100, 600, 432}, {-580, 100, 600, 432}},
        {{-500, 100, 600, 432}, {-500, 100, 600, 432}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepOnScreen(c.frame, screen), c.kept) << c.frame.x() << ',' << c.frame.y();
    EXPECT_EQ(KeepOnScreen({1900, 100, 600, 432}, {1920, 0, 800, 600}), QRect(1900, 100, 600, 432));
}

TEST(WindowGeometry, FixedWidthsOfTheWindowSizes)
{
    EXPECT_EQ(FixedClientWidth(1), 600);
    EXPECT_EQ(FixedClientWidth(2), 300);
    EXPECT_EQ(FixedClientWidth(3), 150);
    EXPECT_EQ(FixedClientWidth(0), std::nullopt);
    EXPECT_EQ(FixedClientWidth(4), std::nullopt);
}

} // namespace
} // namespace velmar::drums
