#pragma once

// How the preview's phases move on each tick: by a step, wrapping once around a modulus.

#include <cstdint>

#include "model/LightingRecord.h"

namespace keyloom {

constexpr int AdvanceForward(int phase, int step, int modulus) {
    phase += step;
    return phase >= modulus ? phase - modulus : phase;
}

constexpr int AdvanceBackward(int phase, int step, int modulus) {
    phase -= step;
    return phase < 0 ? phase + modulus : phase;
}

// The first direction moves forward, any other backward.
constexpr bool IsForward(uint8_t direction) {
    return direction == LIGHT_DIRECTION_FIRST;
}

constexpr int AdvanceByDirection(int phase, int step, int modulus, uint8_t direction) {
    return IsForward(direction) ? AdvanceForward(phase, step, modulus)
                                : AdvanceBackward(phase, step, modulus);
}

}  // namespace keyloom
