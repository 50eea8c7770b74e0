#include "runtime/link/WaitPumping.h"

#include "runtime/platform/Clock.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace velmar {
namespace {

// Every pass of the pump moves the clock on by 7 ms.
TEST(WaitPumping, WaitsTheFullTimeWhereverTheClockStands)
{
    for (const std::uint32_t start : {0U, 0x7FFF'FF00U, 0xFFFF'FF00U}) {
        for (const std::uint32_t ms : {3000U, 1500U, 0U}) {
            std::uint32_t now = start;
            std::vector<std::uint32_t> offered;
            WaitPumping(
                ms, [&] { return now; },
                [&](std::uint32_t maxWaitMs) {
                    offered.push_back(maxWaitMs);
                    now += 7;
                });
            const std::uint32_t waited = now - start;
            SCOPED_TRACE(testing::Message() << "start " << start << ", " << ms << " ms");
            EXPECT_GE(waited, ms);
            EXPECT_LE(waited, ms + 7);
            ASSERT_FALSE(offered.empty());
            EXPECT_EQ(offered.front(), ms);
            EXPECT_EQ(offered.back(), ms - (waited - 7));
        }
    }
}

TEST(WaitPumping, TheRealPumpRunsQueuedEventsAndSleepsBetweenThem)
{
    int fired = 0;
    QTimer::singleShot(50, [&] { ++fired; });
    int passes = 0;
    const auto start = std::chrono::steady_clock::now();
    WaitPumping(200, &platform::timeGetTime, [&](std::uint32_t maxWaitMs) {
        ++passes;
        PumpMessages(maxWaitMs);
    });
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(fired, 1);
    EXPECT_GE(waited, std::chrono::milliseconds(199));
    EXPECT_LT(waited, std::chrono::milliseconds(1000));
    EXPECT_LT(passes, 20) << "the pump waits for events instead of spinning";
}

} // namespace
} // namespace velmar
