// One 50 ms preview tick for each lighting mode, in multicolour and in one colour.

#include <benchmark/benchmark.h>

#include "preview/LightingPreview.h"

namespace keyloom {
namespace {

void PreviewTick(benchmark::State& state) {
    LightingValues values;
    values.mode = static_cast<int>(state.range(0));
    values.multicolor = state.range(1) != 0;
    values.direction = LIGHT_DIRECTION_FIRST;
    values.color = ColorOfRgb(200, 120, 40);
    LightingPreview preview;
    PreviewFrame frame{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview.Tick(values, frame));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(PreviewTick)
    ->ArgNames({"mode", "multicolor"})
    ->ArgsProduct({
        benchmark::CreateDenseRange(1, 20, 1),
        {0, 1},
    });

}  // namespace
}  // namespace keyloom
