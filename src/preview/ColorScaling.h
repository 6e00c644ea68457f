#pragma once

// A colour at a brightness level.

#include <cstdint>

#include "model/LightingRecord.h"

namespace keyloom {

inline constexpr int FULL_LEVEL = 255;

// Each of red, green and blue times level / 255, rounded toward zero.
constexpr Color ScaleColor(Color color, uint8_t level) {
    const auto scaled = [level](uint8_t channel) {
        return static_cast<uint8_t>(channel * level / FULL_LEVEL);
    };
    return ColorOfRgb(scaled(RedOf(color)), scaled(GreenOf(color)), scaled(BlueOf(color)));
}

}  // namespace keyloom
