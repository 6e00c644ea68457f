#include "preview/ColorWheel.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace keyloom {
namespace {

constexpr size_t kSegmentSize = 32;
using Ramp = std::array<uint8_t, kSegmentSize>;

// Brightness steps that look even to the eye, up and down.
constexpr Ramp kRising = {1,   3,   5,   7,   10,  14,  18,  22,  26,  32,  38,
                          44,  50,  57,  65,  73,  81,  89,  99,  109, 119, 129,
                          140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr Ramp kFalling = {248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124,
                           114, 104, 94,  85,  77,  69,  61,  53,  47,  41,  35,
                           29,  24,  20,  16,  12,  8,   6,   4,   2,   0};

constexpr Ramp Flat(uint8_t level) {
    Ramp ramp{};
    ramp.fill(level);
    return ramp;
}
constexpr Ramp kOff = Flat(0);
constexpr Ramp kFull = Flat(255);

// What red, green and blue do along one sixth of the wheel.
struct Segment {
    const Ramp* red;
    const Ramp* green;
    const Ramp* blue;
};

constexpr std::array<Segment, 6> kSegments = {{
    {&kFull, &kRising, &kOff},   // red to yellow
    {&kFalling, &kFull, &kOff},  // yellow to green
    {&kOff, &kFull, &kRising},   // green to cyan
    {&kOff, &kFalling, &kFull},  // cyan to blue
    {&kRising, &kOff, &kFull},   // blue to magenta
    {&kFull, &kOff, &kFalling},  // magenta to red
}};
static_assert(kSegments.size() * kSegmentSize == WHEEL_SIZE);

constexpr std::array<Color, WHEEL_SIZE> BuildWheel() {
    std::array<Color, WHEEL_SIZE> wheel{};
    for (size_t k = 0; k < kSegments.size(); ++k) {
        const Segment& segment = kSegments[k];
        for (size_t i = 0; i < kSegmentSize; ++i) {
            wheel[k * kSegmentSize + i] =
                ColorOfRgb((*segment.red)[i], (*segment.green)[i], (*segment.blue)[i]);
        }
    }
    return wheel;
}

constexpr std::array<Color, WHEEL_SIZE> kWheel = BuildWheel();

}  // namespace

Color WheelColor(int entry) {
    return kWheel[static_cast<size_t>(entry)];
}

}  // namespace keyloom
