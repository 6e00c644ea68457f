#include "preview/StillColors.h"

#include "preview/ColorWheel.h"
#include "preview/PreviewGrid.h"

namespace keyloom {
namespace {

constexpr int kHueSpacing = 9;  // wheel entries from one column to the next

// The rainbow does not wrap: a column past the wheel's end starts it again at red.
int HueOfColumn(int column) {
    const int entry = kHueSpacing * column;
    return entry < WHEEL_SIZE ? entry : 0;
}

}  // namespace

void StillColors::Step(const LightingValues& values, PreviewFrame& frame) {
    PaintGroups(GridColumns(), frame, [&](int column) {
        return values.multicolor ? WheelColor(HueOfColumn(column)) : values.color;
    });
}

}  // namespace keyloom
