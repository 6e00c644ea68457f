#include "preview/NeonRing.h"

#include "preview/ColorWheel.h"

namespace keyloom {
namespace {

constexpr int kStartSpacing = 33;
constexpr int kStep = 3;

}  // namespace

void NeonRing::Reset() {
    int phase = 0;
    for (int& start : phases_) {
        phase += kStartSpacing;
        if (phase > WHEEL_SIZE) {
            phase -= WHEEL_SIZE;
        }
        start = phase;
    }
}

void NeonRing::Step(const LightingValues&, PreviewFrame& frame) {
    for (int& phase : phases_) {
        phase += kStep;
        if (phase >= WHEEL_SIZE) {
            phase = 0;
        }
    }
    PaintGroups(RingPlaces(), frame, [this](int place) { return WheelColor(phases_[place]); });
}

}  // namespace keyloom
