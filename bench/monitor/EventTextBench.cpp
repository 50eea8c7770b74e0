#include "monitor/core/EventText.h"
#include "monitor/core/TextFileSave.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace velmar::monitor {
namespace {

// A full grid of typical note-on rows, as the intake writes them.
const EventGridModel& fullGrid()
{
    static const std::unique_ptr<EventGridModel> grid = [] {
        auto model = std::make_unique<EventGridModel>(kMaxDisplayEventCount);
        const std::array<const char16_t*, 8> cells = {u"",
                                                      u"123456",
                                                      u"Ext",
                                                      u"90 3C 64 ",
                                                      u"Note On ($9x)",
                                                      u"  1 ",
                                                      u"Pitch = C  5  60 ",
                                                      u"Velocity = 100 "};
        for (std::int32_t row = 1; row <= kMaxDisplayEventCount; ++row) {
            GridRow& cellsOfRow = model->rows().Row(row);
            cellsOfRow[kNumberColumn] += QString::number(row);
            for (std::size_t column = 1; column < cells.size(); ++column)
                cellsOfRow[column] += QStringView(cells[column]);
        }
        return model;
    }();
    return *grid;
}

void reportPeak(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_BuildTextBlockOfAFullGrid(benchmark::State& state)
{
    const EventGridModel& grid = fullGrid();
    for (auto _ : state) {
        QString text = BuildTextBlock(grid, kMaxDisplayEventCount).Text(u"\n");
        benchmark::DoNotOptimize(text.data());
    }
    reportPeak(state);
}
BENCHMARK(BM_BuildTextBlockOfAFullGrid)->Unit(benchmark::kMillisecond);

void BM_SaveAFullBufferToAFile(benchmark::State& state)
{
    const EventGridModel& grid = fullGrid();
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("buffer.txt"));
    for (auto _ : state) {
        const std::optional<std::string> bytes = BufferFileText(grid, kMaxDisplayEventCount, false);
        if (!bytes || SaveTextFile(path, *bytes))
            state.SkipWithError("the save failed");
    }
    reportPeak(state);
}
BENCHMARK(BM_SaveAFullBufferToAFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmar::monitor
