#include "runtime/platform/Windows.h"
#include "tests/platform/PeerProtocol.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace velmar::platform;
namespace peer = velmar::test::peer;

// A sent message's round trip to another process and back: the cost of every query a
// plug-in makes of the host. Reports the median and 99th percentile of single calls.
void BM_SendMessageRoundTrip(benchmark::State& state)
{
    velmar::test::ScopedSession session;
    velmar::test::ChildProcess echo(VELMAR_MESSAGE_PEER, {"echo"});
    const std::string ready = echo.readLine();
    const auto hwnd = static_cast<HWND>(std::stoul(ready.substr(6), nullptr, 16));

    std::vector<double> micros;
    micros.reserve(1 << 20);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const LRESULT answer = SendMessageA(hwnd, peer::kAdd, 1, 2);
        const auto end = std::chrono::steady_clock::now();
        if (answer != 3) {
            state.SkipWithError("wrong answer");
            break;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    SendMessageA(hwnd, peer::kQuit, 0, 0);
    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}
BENCHMARK(BM_SendMessageRoundTrip)->Iterations(20000);

} // namespace
