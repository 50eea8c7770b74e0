#include "host/FloodSource.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

using namespace velmar;
using Clock = std::chrono::steady_clock;

platform::HWND findHost(pid_t pid)
{
    const auto end = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < end) {
        for (const platform::HWND hwnd : platform::EnumWindows())
            if (platform::GetWindowThreadProcessId(hwnd) == static_cast<std::uint32_t>(pid))
                return hwnd;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}

// The real host floods the ring at the rate given while a consumer in this process drains
// it as fast as it can: events per second that arrive, and whether any was lost or came
// out of order.
void BM_HostRingThroughput(benchmark::State& state)
{
    const auto rate = static_cast<std::uint64_t>(state.range(0));
    constexpr std::uint64_t kSeconds = 3;
    for (auto _ : state) {
        test::ScopedSession session;
        auto window =
            platform::WindowEndpoint::create([](platform::UINT, platform::WPARAM,
                                                platform::LPARAM) { return platform::LRESULT{1}; });
        test::ChildProcess korvo(VELMAR_KORVO,
                                 {"--quiet", "--autoplay", "--flood",
                                  std::to_string(rate) + ":" + std::to_string(kSeconds)});
        const platform::HWND host = findHost(korvo.pid());
        const auto map =
            SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
        HostLinkBlock block(map->Data());
        platform::SendMessageA(host, HostCmdSignIn, 0, map->Handle());

        const std::uint64_t expected = rate * kSeconds;
        std::uint64_t received = 0;
        std::uint64_t wrong = 0;
        Clock::time_point first{};
        Clock::time_point last{};
        const auto giveUp = Clock::now() + std::chrono::seconds(kSeconds + 10);
        while (received < expected && Clock::now() < giveUp) {
            const std::size_t taken = block.Drain([&](const RingEvent& event) {
                wrong += event.Message == host::FloodSource::EventAt(received) ? 0 : 1;
                ++received;
            });
            if (taken > 0) {
                last = Clock::now();
                if (first == Clock::time_point{})
                    first = last;
            }
        }
        const double seconds = std::chrono::duration<double>(last - first).count();
        state.counters["events_per_second"] =
            seconds > 0 ? static_cast<double>(received) / seconds : 0;
        state.counters["missing"] = static_cast<double>(expected - received);
        state.counters["out_of_order"] = static_cast<double>(wrong);
    }
}
BENCHMARK(BM_HostRingThroughput)
    ->Arg(1'000'000)
    ->Arg(2'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
