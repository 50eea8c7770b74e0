// Loading every picture of the drum window, as its start and each resize do: from the
// design-size bitmaps or a finer set, scaled to the screen's pixels. It prints its figures;
// nothing here passes or fails.

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

// A resize that keeps the set: the window's pictures, loaded once, made again for a zoom one
// hundredth away, as dragging the window's corner does.
void ReloadForTheNextZoom(benchmark::State& state)
{
    const double scale = static_cast<double>(state.range(0)) / 10;
    KitPictures::Choice choice{
        .Scale = scale,
        .ColorCount = 30000,
        .ClientWidth = velmar::drums::PanelSize(scale).width(),
        .DevicePixelRatio = static_cast<double>(state.range(1)),
    };
    KitPictures pictures;
    benchmark::DoNotOptimize(pictures.Load(choice));
    for (auto _ : state) {
        choice.Scale = choice.Scale == scale ? scale - 0.01 : scale;
        benchmark::DoNotOptimize(pictures.Load(choice));
    }
}
BENCHMARK(ReloadForTheNextZoom)
    ->ArgNames({"scale_x10", "dpr"})
    ->ArgsProduct({{15, 25}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

} // namespace
