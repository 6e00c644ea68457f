#pragma once

// Running the lighting preview in tests: the values of a mode, fixed random sources, runs of
// frames, and the written rule for a colour at a level.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "preview/LightingPreview.h"

namespace keyloom::test {

inline constexpr Color kChosenColor = ColorOfRgb(200, 120, 40);

inline LightingValues PreviewValues(int mode, bool multicolor,
                                    uint8_t direction = LIGHT_DIRECTION_FIRST,
                                    Color color = kChosenColor) {
    LightingValues values;
    values.mode = mode;
    values.multicolor = multicolor;
    values.direction = direction;
    values.color = color;
    return values;
}

// The same numbers for the same seed (a linear congruential generator).
inline PreviewRandom SeededRandom(uint32_t seed) {
    return [state = seed]() mutable {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
}

// Frames of ticks in a row, each of which must draw.
inline std::vector<PreviewFrame> RunFrames(LightingPreview& preview, const LightingValues& values,
                                           int ticks) {
    std::vector<PreviewFrame> frames(static_cast<size_t>(ticks));
    for (PreviewFrame& frame : frames) {
        EXPECT_EQ(preview.Tick(values, frame), PreviewStep::kFrame);
    }
    return frames;
}

// Each channel times the level, divided by 255, rounded toward zero.
inline Color AtLevel(Color color, int level) {
    const auto channel = [level](int value) { return static_cast<uint8_t>(value * level / 255); };
    return ColorOfRgb(channel(RedOf(color)), channel(GreenOf(color)), channel(BlueOf(color)));
}

}  // namespace keyloom::test
