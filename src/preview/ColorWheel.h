#pragma once

// The preview's colour wheel: red, yellow, green, cyan, blue, magenta and back, in even steps.

#include "model/LightingRecord.h"

namespace keyloom {

inline constexpr int WHEEL_SIZE = 192;

// Entry 0 to WHEEL_SIZE - 1.
Color WheelColor(int entry);

}  // namespace keyloom
