#include "monitor/ui/StreamBeat.h"

#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace velmar::monitor::test {
namespace {

using namespace std::chrono_literals;
using Clock = StreamBeat::Clock;

// Events at every look start the window's own beat, and the watcher rests; a look that
// finds nothing keeps the beat once, the next hands the ring back to the watcher. Events a
// few looks apart (a slow stream) never start the beat, nor do more events taken by a pass
// run again at once.
TEST(StreamBeat, TheWindowLooksItselfOnlyWhileEveryLookFindsEvents)
{
    int looks = 0;
    std::vector<Clock::time_point> watches;
    StreamBeat beat([&] { ++looks; }, [&](Clock::time_point until) { watches.push_back(until); });
    const Clock::time_point start = Clock::now();

    // 100 events a second: one every fifth look.
    for (int event = 0; event < 3; ++event) {
        const Clock::time_point now = start + event * 10ms;
        beat.TookEvents(now);
        beat.TookEvents(now + 100us);
        beat.Wait(now + 100us, now + 5ms);
        EXPECT_FALSE(beat.Beating());
        ASSERT_EQ(watches.size(), static_cast<std::size_t>(event + 1));
        EXPECT_EQ(watches.back(), now + 5ms);
    }

    // Events at two looks in a row: the thread beats, and arms no watcher.
    const Clock::time_point streaming = start + 40ms;
    beat.TookEvents(streaming);
    beat.Wait(streaming, streaming + 5ms);
    const std::size_t armed = watches.size();
    beat.TookEvents(streaming + 2ms);
    beat.Wait(streaming + 2ms, streaming + 7ms);
    EXPECT_TRUE(beat.Beating());
    ASSERT_TRUE(QTest::qWaitFor([&] { return looks >= 3; }, 1000)) << "the beat runs passes";

    // One empty look keeps the beat; the second gives the ring back to the watcher.
    beat.Wait(streaming + 4ms, streaming + 9ms);
    EXPECT_TRUE(beat.Beating());
    EXPECT_EQ(watches.size(), armed);
    beat.Wait(streaming + 6ms, streaming + 11ms);
    EXPECT_FALSE(beat.Beating());
    ASSERT_EQ(watches.size(), armed + 1);
    EXPECT_EQ(watches.back(), streaming + 11ms);
    const int looksWhenStopped = looks;
    QTest::qWait(20);
    EXPECT_EQ(looks, looksWhenStopped);
}

} // namespace
} // namespace velmar::monitor::test
