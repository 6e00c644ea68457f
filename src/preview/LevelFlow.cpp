#include "preview/LevelFlow.h"

#include <array>
#include <cstdint>

#include "preview/ColorScaling.h"
#include "preview/LevelCurves.h"
#include "preview/PhaseAdvance.h"
#include "preview/PreviewGrid.h"

namespace keyloom {
namespace {

constexpr int kStep = 4;
constexpr int kModulus = 128;
constexpr int kSpacing = 5;  // curve entries from one column to the next
// Past either end of the curve the walk comes back this far from where it went out.
constexpr int kWrap = 123;
constexpr int kLastEntry = static_cast<int>(LEVEL_CURVE_B_SIZE) - 1;

int NextEntry(int entry, uint8_t direction) {
    if (IsForward(direction)) {
        entry += kSpacing;
        return entry > kLastEntry ? entry - kWrap : entry;
    }
    entry -= kSpacing;
    return entry < 0 ? entry + kWrap : entry;
}

}  // namespace

void LevelFlow::Step(const LightingValues& values, PreviewFrame& frame) {
    phase_ = AdvanceForward(phase_, kStep, kModulus);
    std::array<uint8_t, GRID_COLUMNS> levels{};
    int entry = phase_;
    for (uint8_t& level : levels) {
        entry = NextEntry(entry, values.direction);
        level = LevelCurveB()[entry];
    }
    PaintGroups(GridColumns(), frame,
                [&](int column) { return ScaleColor(values.color, levels[column]); });
}

}  // namespace keyloom
