// One 50 ms preview tick for each lighting mode, in multicolour and in one colour; and an hour
// of ticks through every mode, which must leave the resident memory where it was.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>

#include "preview/LightingPreview.h"

namespace keyloom {
namespace {

constexpr int kFirstMode = 1;
constexpr int kLastMode = 20;
// The window ticks every 50 ms.
constexpr int kTicksPerHour = 60 * 60 * 20;

LightingValues ValuesOf(int mode, bool multicolor) {
    LightingValues values;
    values.mode = mode;
    values.multicolor = multicolor;
    values.direction = LIGHT_DIRECTION_FIRST;
    values.color = ColorOfRgb(200, 120, 40);
    return values;
}

void PreviewTick(benchmark::State& state) {
    const LightingValues values = ValuesOf(static_cast<int>(state.range(0)), state.range(1) != 0);
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
        benchmark::CreateDenseRange(kFirstMode, kLastMode, 1),
        {0, 1},
    });

// Resident pages of this process, in KiB.
double ResidentKib() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024;
}

// An hour's ticks, the mode changing every minute as a user might change it.
void PreviewHour(benchmark::State& state) {
    constexpr int kTicksPerMode = 60 * 20;
    LightingPreview preview;
    PreviewFrame frame{};
    preview.Tick(ValuesOf(kFirstMode, true), frame);
    const double before = ResidentKib();
    for (auto _ : state) {
        for (int tick = 0; tick < kTicksPerHour; ++tick) {
            const int mode = kFirstMode + (tick / kTicksPerMode) % (kLastMode - kFirstMode + 1);
            benchmark::DoNotOptimize(preview.Tick(ValuesOf(mode, true), frame));
        }
    }
    state.counters["rss_before_kib"] = before;
    state.counters["rss_growth_kib"] = ResidentKib() - before;
}

BENCHMARK(PreviewHour)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keyloom
