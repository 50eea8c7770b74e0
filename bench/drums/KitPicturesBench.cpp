// Loading every picture of the drum window, as each resize does: from the design-size
// bitmaps or a finer set, scaled to the screen's pixels. It prints its figures; nothing here
// passes or fails.

#include "drums/core/WindowGeometry.h"
#include "drums/ui/KitPictures.h"

#include <benchmark/benchmark.h>

namespace {

using velmar::drums::KitPictures;

// Arguments: the zoom in tenths, and the screen's device pixels per pixel.
void LoadEveryPicture(benchmark::State& state)
{
    const double scale = static_cast<double>(state.range(0)) / 10;
    const KitPictures::Choice choice{
        .Scale = scale,
        .ColorCount = 30000,
        .ClientWidth = velmar::drums::PanelSize(scale).width(),
        .DevicePixelRatio = static_cast<double>(state.range(1)),
    };
    for (auto _ : state) {
        KitPictures pictures;
        benchmark::DoNotOptimize(pictures.Load(choice));
    }
}
BENCHMARK(LoadEveryPicture)
    ->ArgNames({"scale_x10", "dpr"})
    ->ArgsProduct({{5, 10, 15, 25}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

} // namespace
