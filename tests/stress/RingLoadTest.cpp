// Numbered events through the ring at full speed, written by korvo's ring writer and taken
// by the plug-ins' drain: from another thread on the same mapping, and from another
// process. Not one may be lost, repeated, reordered or damaged.

#include "host/HostRingWriter.h"
#include "runtime/SharedMemory.h"
#include "tests/stress/NumberedEvents.h"
#include "tests/stress/StressScale.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace velmar {
namespace {

using Clock = std::chrono::steady_clock;
using test::NumberedEventCheck;

constexpr auto kGiveUpAfter = std::chrono::seconds(150);

std::unique_ptr<SharedMemory> createBlock()
{
    return SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
}

// Drains until `count` events have come or time runs out; the events per second.
double drainNumbered(HostLinkBlock& block, std::uint64_t count, NumberedEventCheck& check)
{
    const auto start = Clock::now();
    const auto giveUp = start + kGiveUpAfter;
    while (check.received() < count && Clock::now() < giveUp) {
        if (block.Drain(check) == 0)
            std::this_thread::yield();
    }
    const std::chrono::duration<double> took = Clock::now() - start;
    return static_cast<double>(check.received()) / took.count();
}

void report(const char* what, std::uint64_t count, double perSecond)
{
    std::printf("%s: %llu events, %.1f million events/s\n", what,
                static_cast<unsigned long long>(count), perSecond / 1e6);
    ::testing::Test::RecordProperty("events_per_second", std::to_string(perSecond));
}

TEST(RingLoad, WriterAndReaderThreadsOnOneMappingLoseNothing)
{
    test::ScopedSession session;
    const auto map = createBlock();
    HostLinkBlock block(map->Data());
    const std::uint64_t count = test::kThreadRingEvents;

    std::atomic<bool> stop{false};
    std::thread writerThread([&] {
        host::HostRingWriter writer(map->Data());
        for (std::uint64_t number = 0; number < count; ++number) {
            const RingEvent event = test::NumberedEvent(number);
            while (!writer.TryWrite(event.Source, event.Message)) {
                if (stop.load(std::memory_order_relaxed))
                    return;
                std::this_thread::yield();
            }
        }
    });
    NumberedEventCheck check;
    const double perSecond = drainNumbered(block, count, check);
    stop = true;
    writerThread.join();

    EXPECT_EQ(check.received(), count);
    EXPECT_EQ(check.wrong(), 0U) << "first wrong event: " << check.firstWrong();
    EXPECT_TRUE(block.RingEmpty()) << "events beyond the last one written";
    report("two threads", count, perSecond);
}

TEST(RingLoad, WriterInAnotherProcessLosesNothing)
{
    test::ScopedSession session;
    const auto map = createBlock();
    HostLinkBlock block(map->Data());
    const std::uint64_t count = test::kProcessRingEvents;

    test::ChildProcess writer(VELMAR_STRESS_PEER,
                              {"ring-writer", "KorvoExeInfo", std::to_string(count)});
    ASSERT_EQ(writer.readLine(), "ready 0");
    NumberedEventCheck check;
    const double perSecond = drainNumbered(block, count, check);

    EXPECT_EQ(writer.readLine(), "written " + std::to_string(count));
    EXPECT_EQ(writer.wait(), 0);
    EXPECT_EQ(check.received(), count);
    EXPECT_EQ(check.wrong(), 0U) << "first wrong event: " << check.firstWrong();
    EXPECT_TRUE(block.RingEmpty()) << "events beyond the last one written";
    report("two processes", count, perSecond);
}

} // namespace
} // namespace velmar
