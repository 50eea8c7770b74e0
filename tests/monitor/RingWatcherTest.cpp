#include "monitor/core/RingWatcher.h"

#include "host/HostRingWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace velmar::monitor::test {
namespace {

using namespace std::chrono_literals;
using Clock = RingWatcher::Clock;

// Far beyond any 2 ms beat, however loaded the machine: the tests check that a wake comes,
// not how soon.
constexpr auto kGenerous = 3s;

struct alignas(4) Block {
    std::array<std::byte, HostLinkBlock::kSize> bytes{};
};

// A watcher on a block of its own, counting its wakes.
class RingWatcherTest : public ::testing::Test {
protected:
    std::unique_ptr<Block> block = std::make_unique<Block>();
    HostLinkBlock ring{block->bytes.data()};
    host::HostRingWriter host{block->bytes.data()};
    std::atomic<int> wakes{0};
    RingWatcher watcher{ring, [this] {
                            ++wakes;
                        }};
};

// Waits for the watcher's wakes to reach `count`; false when they do not within kGenerous.
bool awaitWakes(const std::atomic<int>& wakes, int count)
{
    const Clock::time_point giveUp = Clock::now() + kGenerous;
    while (wakes.load() < count && Clock::now() < giveUp)
        std::this_thread::sleep_for(100us);
    return wakes.load() >= count;
}

// As another process would, while the watcher reads: atomically, in any order.
void setIndex(Block& block, std::size_t offset, std::uint16_t value)
{
    std::atomic_ref<std::uint16_t>(*reinterpret_cast<std::uint16_t*>(block.bytes.data() + offset))
        .store(value, std::memory_order_relaxed);
}

TEST_F(RingWatcherTest, WakesOncePerArmingForAnEventOrForItsTimeThenRests)
{
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(wakes.load(), 0) << "not armed";
    watcher.Arm(Clock::now() + 1h);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(wakes.load(), 0) << "nothing came";

    ASSERT_TRUE(host.TryWrite(0, PackedMidiMessage::pack(0x90, 60, 100)));
    ASSERT_TRUE(awaitWakes(wakes, 1));
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(wakes.load(), 1) << "the event still waits, but the watcher rests";
    watcher.Arm(Clock::now() + 1h);
    ASSERT_TRUE(awaitWakes(wakes, 2)) << "armed while an event waits";
    ASSERT_TRUE(ring.TakeEvent());

    const Clock::time_point wakeBy = Clock::now() + 30ms;
    watcher.Arm(wakeBy);
    ASSERT_TRUE(awaitWakes(wakes, 3));
    EXPECT_GE(Clock::now(), wakeBy) << "not before its time";
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(wakes.load(), 3);

    // A later arming replaces one that has not woken yet.
    watcher.Arm(Clock::now() + 1h);
    watcher.Arm(Clock::now() + 10ms);
    ASSERT_TRUE(awaitWakes(wakes, 4));
}

// An arming that moves the time on while the watcher waits for the old one, one that comes
// right after a wake while the watcher keeps its beat, and one after it has rested: each
// keeps it looking every 2 ms rather than sleeping until the new time.
TEST_F(RingWatcherTest, ArmingAgainWhileItWaitsKeepsItLooking)
{

    for (int round = 1; round <= 30; ++round) {
        SCOPED_TRACE(round);
        if (round % 3 == 0) {
            watcher.Arm(Clock::now() + 1ms);
            std::this_thread::sleep_for(200us); // the watcher waits for that moment now
        } else if (round % 3 == 1) {
            std::this_thread::sleep_for(10ms); // the beat after the last wake has passed
        }
        watcher.Arm(Clock::now() + 1h);
        ASSERT_TRUE(host.TryWrite(0, PackedMidiMessage::pack(0x90, 60, 100)));
        ASSERT_TRUE(awaitWakes(wakes, round));
        ASSERT_TRUE(ring.TakeEvent());
    }
}

// Whatever the host leaves in the indices, the watcher wakes at most once per arming: an
// index out of range is an empty ring, and any other difference is an event to take.
TEST_F(RingWatcherTest, AnyIndicesTheHostLeavesWakeAtMostOncePerArming)
{
    setIndex(*block, HostLinkBlock::kWriteIndexOffset, 5000);
    setIndex(*block, HostLinkBlock::kReadIndexOffset, 3);
    watcher.Arm(Clock::now() + 1h);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(wakes.load(), 0) << "a write index out of range is no event";

    setIndex(*block, HostLinkBlock::kWriteIndexOffset, 7);
    setIndex(*block, HostLinkBlock::kReadIndexOffset, 0xFFFF);
    ASSERT_TRUE(awaitWakes(wakes, 1));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(wakes.load(), 1) << "no spinning on a read index out of range";

    // A host scribbling over both indices while the watcher looks.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(0, 0xFFFF);
    int armings = 1;
    const Clock::time_point end = Clock::now() + 60ms;
    while (Clock::now() < end) {
        setIndex(*block, HostLinkBlock::kWriteIndexOffset,
                 static_cast<std::uint16_t>(value(random)));
        setIndex(*block, HostLinkBlock::kReadIndexOffset,
                 static_cast<std::uint16_t>(value(random)));
        if (wakes.load() == armings) {
            watcher.Arm(Clock::now() + 1h);
            ++armings;
        }
        std::this_thread::sleep_for(1ms);
    }
    std::this_thread::sleep_for(20ms);
    EXPECT_LE(wakes.load(), armings);
}

// The thread is gone when the watcher is: the block's memory can go right after, also while
// the watcher is armed or waking (the address sanitizer reports any later look).
TEST(RingWatcher, StopsAndJoinsWhenDestroyedArmedOrNot)
{
    for (const auto armedFor :
         {Clock::duration::zero(), Clock::duration(1ms), Clock::duration(1h)}) {
        auto block = std::make_unique<Block>();
        std::atomic<int> wakes{0};
        auto watcher =
            std::make_unique<RingWatcher>(HostLinkBlock(block->bytes.data()), [&] { ++wakes; });
        if (armedFor != Clock::duration::zero())
            watcher->Arm(Clock::now() + armedFor);
        std::this_thread::sleep_for(5ms);
        const Clock::time_point start = Clock::now();
        watcher.reset();
        EXPECT_LT(Clock::now() - start, kGenerous) << "the thread does not sleep out its wait";
        block.reset();
        const int seen = wakes.load();
        std::this_thread::sleep_for(10ms);
        EXPECT_EQ(wakes.load(), seen) << "no wake after the watcher is gone";
    }
}

} // namespace
} // namespace velmar::monitor::test
