#include "monitor/ui/RepaintPacing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace velmar::monitor::test {
namespace {

using namespace std::chrono_literals;
using Clock = RepaintPacing::Clock;

TEST(RepaintPacing, AFrameIsOneRefreshOfTheScreenOrOneSixtiethWhenItDoesNotSay)
{
    EXPECT_EQ(RepaintPacing::FrameOf(50), 20ms);
    EXPECT_EQ(std::chrono::round<std::chrono::microseconds>(RepaintPacing::FrameOf(144)), 6944us);
    const Clock::duration sixtieth = RepaintPacing::FrameOf(60);
    EXPECT_EQ(std::chrono::round<std::chrono::microseconds>(sixtieth), 16667us);
    for (const double unknown :
         {0.0, -60.0, 0.5, std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(RepaintPacing::FrameOf(unknown), sixtieth) << unknown;
}

TEST(RepaintPacing, AChangeAfterAQuietFrameIsDueAtOnceTheNextAtTheFramesEnd)
{
    RepaintPacing pacing;
    pacing.SetFrame(16ms);
    const Clock::time_point start = Clock::now();
    EXPECT_FALSE(pacing.Due(start)) << "nothing changed";
    EXPECT_EQ(pacing.MsUntilDue(start, 4), 4U);

    pacing.Changed();
    ASSERT_TRUE(pacing.Due(start)) << "the first change";
    pacing.Shown(start);
    pacing.Changed();
    EXPECT_FALSE(pacing.Due(start + 2ms));
    EXPECT_EQ(pacing.MsUntilDue(start + 2ms, 100), 14U);
    EXPECT_EQ(pacing.MsUntilDue(start + 2ms, 4), 4U);
    EXPECT_FALSE(pacing.Due(start + 15ms));
    ASSERT_TRUE(pacing.Due(start + 16ms));
    EXPECT_EQ(pacing.MsUntilDue(start + 17ms, 4), 0U);
    pacing.Shown(start + 17ms);

    pacing.Changed();
    EXPECT_TRUE(pacing.Due(start + 60ms)) << "after a quiet frame";
}

// Changes every 2 ms for a second: one repaint a frame, none held longer than a frame.
TEST(RepaintPacing, AStreamOfChangesIsShownOnceAFrame)
{
    RepaintPacing pacing;
    pacing.SetFrame(RepaintPacing::FrameOf(60));
    const Clock::time_point start = Clock::now();
    int shown = 0;
    Clock::time_point last = start;
    Clock::duration longestGap{};
    for (auto now = start; now < start + 1s; now += 2ms) {
        pacing.Changed();
        if (pacing.Due(now)) {
            longestGap = std::max(longestGap, now - last);
            last = now;
            pacing.Shown(now);
            ++shown;
        }
    }
    EXPECT_GE(shown, 50);
    EXPECT_LE(shown, 60);
    EXPECT_LE(longestGap, RepaintPacing::FrameOf(60) + 2ms);
}

} // namespace
} // namespace velmar::monitor::test
