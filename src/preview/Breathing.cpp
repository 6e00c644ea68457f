#include "preview/Breathing.h"

#include "preview/ColorScaling.h"
#include "preview/ColorWheel.h"
#include "preview/LevelCurves.h"
#include "preview/PhaseAdvance.h"
#include "preview/PreviewGrid.h"

namespace keyloom {
namespace {

constexpr int kStep = 2;
constexpr int kHueSpacing = 7;  // wheel entries from one column to the next

}  // namespace

void Breathing::Step(const LightingValues& values, PreviewFrame& frame) {
    phase_ = AdvanceForward(phase_, kStep, static_cast<int>(LEVEL_CURVE_C_SIZE));
    const uint8_t level = LevelCurveC()[phase_];
    PaintGroups(GridColumns(), frame, [&](int column) {
        const Color color = values.multicolor ? WheelColor(kHueSpacing * column) : values.color;
        return ScaleColor(color, level);
    });
}

}  // namespace keyloom
