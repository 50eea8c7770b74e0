// The drum window as the user sees it: from a note-on written into the ring to its lit
// pixels on the panel, and the processor it takes while nothing happens. It prints its
// figures; nothing here passes or fails.

#include "drums/core/KitTable.h"
#include "drums/ui/PicturePanel.h"
#include "tests/drums/ui/FormRig.h"

#include <QEventLoop>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>
#include <vector>

namespace {

using namespace velmar;
using namespace velmar::drums;
using Clock = std::chrono::steady_clock;

constexpr int kHits = 1000;

// The Single instruments in turn: each has gone dark long before it is hit again.
std::vector<int> singleInstruments()
{
    std::vector<int> rows;
    for (int index = 0; index < kInstrumentCount; ++index)
        if (KitRow(index).Kind == DrumKind::Single)
            rows.push_back(index);
    return rows;
}

double processorSeconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) / 1e9;
}

QImage rgb(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[at];
}

void NoteOnToLitPixels(benchmark::State& state)
{
    drums::test::FormRig rig;
    if (!rig.Create()) {
        state.SkipWithError("the drum window did not start");
        return;
    }
    DrumWindow& form = rig.Form();
    ScaledKit kit;
    kit.Rescale(form.Scale());
    const std::vector<int> rows = singleInstruments();
    std::mt19937 random(1);
    std::uniform_int_distribution phase(0, 9);
    std::vector<double> latencies;
    for (auto _ : state) {
        latencies.clear();
        for (int hit = 0; hit < kHits; ++hit) {
            const int row = rows[static_cast<std::size_t>(hit) % rows.size()];
            const QRect area = kit.LitRect(row);
            const QImage lit = rgb(form.Pictures().Kit(KitPicture::HitImage).copy(area));
            // Notes come at any moment between two ticks, not just after the last one.
            QEventLoop between;
            QTimer::singleShot(phase(random), &between, &QEventLoop::quit);
            between.exec();
            const auto start = Clock::now();
            rig.WriteRingEvent(1, PackedMidiMessage::pack(0x99, KitRow(row).Note, 100));
            while (rgb(form.DrumSpace->grab(area)) != lit)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            latencies.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    state.counters["median_ms"] = percentile(latencies, 0.5);
    state.counters["p99_ms"] = percentile(latencies, 0.99);
    state.counters["max_ms"] = percentile(latencies, 1.0);
}
BENCHMARK(NoteOnToLitPixels)->Iterations(1)->Unit(benchmark::kMillisecond);

// The window's own event loop for three seconds: its 10 ms timer, the transport poll
// answered by a host in this process, the idle checks.
void IdleProcessor(benchmark::State& state)
{
    drums::test::FormRig rig;
    if (!rig.Create()) {
        state.SkipWithError("the drum window did not start");
        return;
    }
    double share = 0;
    for (auto _ : state) {
        const double before = processorSeconds();
        const auto start = Clock::now();
        QEventLoop idle;
        QTimer::singleShot(3000, &idle, &QEventLoop::quit);
        idle.exec();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        share = (processorSeconds() - before) / wall;
    }
    state.counters["cpu_percent_of_a_core"] = share * 100;
}
BENCHMARK(IdleProcessor)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
