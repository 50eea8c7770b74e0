#include "monitor/ui/MainFormRules.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

namespace velmar::monitor {
namespace {

using Widths = std::array<int, kGridColumnCount>;
using Saved = std::array<std::int32_t, kGridColumnCount>;

TEST(MainFormRules, NearestTakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(1.5), 2);
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(92.4), 92);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.6), -2);
}

struct ResizeCase {
    const char* name;
    QSize client;
    double scale;
    Saved saved;
    QRect grid;
    Widths widths;
};

void PrintTo(const ResizeCase& c, std::ostream* out)
{
    *out << c.name;
}

class FormResizeRule : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(FormResizeRule, PlacesTheGridAndSizesItsColumns)
{
    const ResizeCase& c = GetParam();
    const GridPlacement placement = FormResize(c.client, c.scale, c.saved);
    EXPECT_EQ(placement.Geometry, c.grid);
    EXPECT_EQ(placement.ColumnWidths, c.widths);
}

// The first six built-in columns take 335 pixels.
INSTANTIATE_TEST_SUITE_P(Cases, FormResizeRule,
                         ::testing::Values(ResizeCase{"DesignWindow",
                                                      {598, 453},
                                                      1.0,
                                                      {},
                                                      {0, 84, 598, 368},
                                                      {37, 55, 39, 50, 122, 32, 131, 131}},
                                           ResizeCase{"OddRestIsHalvedDownwards",
                                                      {700, 300},
                                                      1.0,
                                                      {},
                                                      {0, 84, 700, 215},
                                                      {37, 55, 39, 50, 122, 32, 182, 182}},
                                           ResizeCase{"SixtyLeftKeepsTheLastTwo",
                                                      {395, 300},
                                                      1.0,
                                                      {},
                                                      {0, 84, 395, 215},
                                                      {37, 55, 39, 50, 122, 32, 168, 168}},
                                           ResizeCase{"SixtyOneLeftIsShared",
                                                      {396, 300},
                                                      1.0,
                                                      {},
                                                      {0, 84, 396, 215},
                                                      {37, 55, 39, 50, 122, 32, 30, 30}},
                                           ResizeCase{"SavedWidthsWin",
                                                      {598, 453},
                                                      1.0,
                                                      {40, 0, 0, 0, 200, 0, 50, 0},
                                                      {0, 84, 598, 368},
                                                      {40, 55, 39, 50, 200, 32, 91, 91}},
                                           ResizeCase{"ScaledForALargerFont",
                                                      {800, 600},
                                                      1.5,
                                                      {},
                                                      {0, 126, 800, 472},
                                                      {56, 82, 58, 75, 183, 48, 149, 149}},
                                           ResizeCase{"TooLowForAGrid",
                                                      {598, 60},
                                                      1.0,
                                                      {},
                                                      {0, 84, 598, 0},
                                                      {37, 55, 39, 50, 122, 32, 131, 131}}),
                         [](const auto& tested) { return std::string(tested.param.name); });

struct ScreenCase {
    const char* name;
    QRect window;
    QRect placed;
};

void PrintTo(const ScreenCase& c, std::ostream* out)
{
    *out << c.name;
}

class KeepOnScreenRule : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(KeepOnScreenRule, BringsTheWindowBack)
{
    EXPECT_EQ(KeepOnScreen(GetParam().window, QRect(0, 0, 1024, 768)), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepOnScreenRule,
    ::testing::Values(
        ScreenCase{"OnScreenStays", {10, 10, 598, 453}, {10, 10, 598, 453}},
        ScreenCase{"AboveTheTop", {10, -30, 598, 453}, {10, 1, 598, 453}},
        ScreenCase{"FarLeft", {-900, 10, 598, 453}, {-578, 10, 598, 453}},
        ScreenCase{"TwentyPixelsShowingAtTheLeft", {-578, 10, 598, 453}, {-578, 10, 598, 453}},
        ScreenCase{"FarRight", {1010, 10, 598, 453}, {1004, 10, 598, 453}},
        ScreenCase{"BelowTheBottom", {10, 760, 598, 453}, {10, 748, 598, 453}},
        ScreenCase{"TooLargeIsCutFirst", {-1500, 0, 2000, 900}, {-1000, 1, 1020, 764}}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(KeepOnScreenRule, CountsFromTheScreensCorner)
{
    const QRect secondScreen(1024, 0, 1280, 1024);
    EXPECT_EQ(KeepOnScreen({2000, 10, 598, 453}, secondScreen), QRect(2000, 10, 598, 453));
    EXPECT_EQ(KeepOnScreen({2400, 10, 598, 453}, secondScreen), QRect(2284, 10, 598, 453));
    EXPECT_EQ(KeepOnScreen({0, 10, 598, 453}, secondScreen), QRect(446, 10, 598, 453));
}

} // namespace
} // namespace velmar::monitor
