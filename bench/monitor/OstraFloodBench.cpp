#include "host/FloodSource.h"
#include "tests/monitor/OstraInstall.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <signal.h>
#include <sstream>
#include <thread>
#include <time.h>

namespace {

using namespace velmar;
using monitor::test::OstraInstall;
using test::ChildProcess;
using Clock = std::chrono::steady_clock;

std::string awaitLine(ChildProcess& process, const std::string& text, int timeoutMs = 20000)
{
    for (std::string line = process.readLine(timeoutMs); !line.empty();
         line = process.readLine(timeoutMs))
        if (line.find(text) != std::string::npos)
            return line;
    return {};
}

// The real korvo (its status lines on the pipe) and the real ostra, installed side by side in
// a session of their own; on the offscreen platform unless QT_QPA_PLATFORM chooses another
// (QT_QPA_PLATFORM=xcb with DISPLAY set measures under an X server).
struct Programs {
    explicit Programs(const std::vector<std::string>& korvoOptions)
    {
        std::filesystem::create_directories(report);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("VELMAR_OSTRA_REPORT", report.c_str(), 1);
        std::vector<std::string> arguments{"-c", "exec \"$0\" \"$@\" 2>&1", install.Korvo()};
        arguments.insert(arguments.end(), korvoOptions.begin(), korvoOptions.end());
        korvo = std::make_unique<ChildProcess>("/bin/sh", arguments);
        awaitLine(*korvo, "no plug-in");
        ostra = std::make_unique<ChildProcess>(install.Ostra(), std::vector<std::string>{});
        linked = ostra->readLine(20000).rfind("linked ", 0) == 0;
    }

    // Seconds of processor time ostra takes in `seconds` of wall time, as a share of one core.
    [[nodiscard]] double ProcessorShare(double seconds) const
    {
        const double before = monitor::test::ProcessorSeconds(ostra->pid());
        const auto start = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        return (monitor::test::ProcessorSeconds(ostra->pid()) - before) / wall;
    }

    test::ScopedSession session;
    OstraInstall install{session.root() / "installed"};
    std::filesystem::path report = session.root() / "report";
    std::unique_ptr<ChildProcess> korvo;
    std::unique_ptr<ChildProcess> ostra;
    bool linked = false;
};

std::uint64_t numberAfter(const std::string& line, const std::string& pattern)
{
    std::smatch match;
    return std::regex_search(line, match, std::regex(pattern)) ? std::stoull(match[1]) : 0;
}

std::string rawText(PackedMidiMessage message)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02X %02X %02X ", message.status(), message.data1(),
                  message.data2());
    return text;
}

// korvo writes a steady stream of numbered note-ons (the argument, events a second) for 10
// seconds into the ring while ostra shows them: ostra's processor share over those 10
// seconds, how long the host had to hold events back for want of room, and whether the
// monitor numbered every event and shows the last ones as sent.
void BM_OstraShowsAStream(benchmark::State& state)
{
    const auto rate = static_cast<std::uint64_t>(state.range(0));
    constexpr std::uint64_t kSeconds = 10;
    for (auto _ : state) {
        Programs programs(
            {"--autoplay", "--flood", std::to_string(rate) + ":" + std::to_string(kSeconds)});
        if (!programs.linked) {
            state.SkipWithError("ostra did not link");
            return;
        }
        awaitLine(*programs.korvo, "playing");
        const double cpuBefore = monitor::test::ProcessorSeconds(programs.ostra->pid());
        const auto start = Clock::now();
        const std::string summary = awaitLine(*programs.korvo, "stopped", 30000);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double busy =
            (monitor::test::ProcessorSeconds(programs.ostra->pid()) - cpuBefore) / wall;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        programs.ostra->kill(SIGTERM);
        programs.ostra->wait(20000);

        std::uint64_t shown = 0;
        std::uint64_t checked = 0;
        std::uint64_t wrong = 0;
        std::ifstream grid(programs.report / "grid.txt");
        for (std::string line; std::getline(grid, line);) {
            std::stringstream cells(line);
            std::string number;
            std::string time;
            std::string source;
            std::string raw;
            std::getline(cells, number, '\t');
            std::getline(cells, time, '\t');
            std::getline(cells, source, '\t');
            std::getline(cells, raw, '\t');
            const std::uint64_t event = std::stoull(number);
            wrong += (checked > 0 && event != shown + 1) ||
                             raw != rawText(host::FloodSource::EventAt(event - 1))
                         ? 1
                         : 0;
            shown = event;
            ++checked;
        }
        state.counters["written"] =
            static_cast<double>(numberAfter(summary, R"((\d+) events written)"));
        state.counters["held_back"] =
            static_cast<double>(numberAfter(summary, R"((\d+) held back)"));
        state.counters["longest_hold_ms"] =
            static_cast<double>(numberAfter(summary, R"(longest (\d+) ms)"));
        state.counters["shown"] = static_cast<double>(shown);
        state.counters["rows_checked"] = static_cast<double>(checked);
        state.counters["rows_wrong"] = static_cast<double>(wrong);
        state.counters["ostra_cpu_percent"] = busy * 100;
        std::printf("korvo: %s\n", summary.c_str());
    }
}
BENCHMARK(BM_OstraShowsAStream)
    ->Arg(100)
    ->Arg(1'000)
    ->Arg(5'000)
    ->Arg(20'000)
    ->Arg(100'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// ostra linked to an idle host: the processor share of polling an empty ring.
void BM_OstraPollsAnEmptyRing(benchmark::State& state)
{
    for (auto _ : state) {
        Programs programs({});
        if (!programs.linked) {
            state.SkipWithError("ostra did not link");
            return;
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
        state.counters["ostra_cpu_percent"] = programs.ProcessorShare(10) * 100;
        programs.ostra->kill(SIGTERM);
        programs.ostra->wait(20000);
    }
}
BENCHMARK(BM_OstraPollsAnEmptyRing)->Iterations(1)->Unit(benchmark::kSecond);

// For comparison: the processor share of nothing but waking every 2 ms, on this machine.
void BM_Only2MsSleeps(benchmark::State& state)
{
    for (auto _ : state) {
        double share = 0;
        std::thread sleeper([&] {
            const auto threadSeconds = [] {
                timespec used{};
                clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
                return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) / 1e9;
            };
            const double before = threadSeconds();
            const auto start = Clock::now();
            while (Clock::now() - start < std::chrono::seconds(10))
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            share = (threadSeconds() - before) /
                    std::chrono::duration<double>(Clock::now() - start).count();
        });
        sleeper.join();
        state.counters["cpu_percent"] = share * 100;
    }
}
BENCHMARK(BM_Only2MsSleeps)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
