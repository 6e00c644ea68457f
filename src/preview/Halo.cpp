#include "preview/Halo.h"

#include "preview/ColorWheel.h"
#include "preview/PhaseAdvance.h"
#include "preview/RingsAroundJ.h"

namespace keyloom {
namespace {

constexpr int kStep = 2;
constexpr int kRingSpacing = 21;  // wheel entries from one ring to the next

// Unlike the other phases, the hue starts again at the wheel's ends instead of wrapping: forward
// past the end it is 0, backward below 0 it is WHEEL_SIZE (the same hue as 0).
int NextHue(int hue, uint8_t direction) {
    if (IsForward(direction)) {
        hue += kStep;
        return hue >= WHEEL_SIZE ? 0 : hue;
    }
    hue -= kStep;
    return hue < 0 ? WHEEL_SIZE : hue;
}

}  // namespace

// The phase is the halo's hue; ring k shows the wheel 21 (k + 1) entries further on.
void Halo::Step(const LightingValues& values, PreviewFrame& frame) {
    phase_ = NextHue(phase_, values.direction);
    PaintGroups(RingsAroundJ(), frame, [this](int ring) {
        return WheelColor((phase_ + kRingSpacing * (ring + 1)) % WHEEL_SIZE);
    });
}

}  // namespace keyloom
