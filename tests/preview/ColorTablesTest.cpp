#include <gtest/gtest.h>

#include <set>
#include <span>

#include "preview/ColorScaling.h"
#include "preview/ColorWheel.h"
#include "preview/LevelCurves.h"
#include "preview/PhaseAdvance.h"

namespace keyloom::test {
namespace {

TEST(ColorWheelTest, SegmentsFollowTheRisingAndFallingRamps) {
    struct Case {
        int entry;
        uint8_t red, green, blue;
    };
    const Case cases[] = {
        {0, 255, 1, 0},     {9, 255, 32, 0},   {31, 255, 255, 0}, {32, 248, 255, 0},
        {50, 53, 255, 0},   {63, 0, 255, 0},   {64, 0, 255, 1},   {80, 0, 255, 81},
        {100, 0, 194, 255}, {127, 0, 0, 255},  {130, 5, 0, 255},  {150, 140, 0, 255},
        {160, 255, 0, 248}, {175, 255, 0, 77}, {191, 255, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WheelColor(c.entry), ColorOfRgb(c.red, c.green, c.blue)) << c.entry;
    }
}

TEST(ColorWheelTest, NoColourComesTwice) {
    std::set<Color> colors;
    for (int entry = 0; entry < WHEEL_SIZE; ++entry) {
        colors.insert(WheelColor(entry));
    }
    EXPECT_EQ(colors.size(), static_cast<size_t>(WHEEL_SIZE));
}

TEST(LevelCurvesTest, CurvesHoldTheWrittenLevels) {
    struct Case {
        std::span<const uint8_t> curve;
        size_t index;
        int level;
    };
    const Case cases[] = {
        {LevelCurveA(), 0, 22},   {LevelCurveA(), 9, 49},   {LevelCurveA(), 47, 255},
        {LevelCurveA(), 48, 255}, {LevelCurveA(), 60, 176}, {LevelCurveA(), 95, 22},
        {LevelCurveB(), 0, 0},    {LevelCurveB(), 16, 255}, {LevelCurveB(), 17, 248},
        {LevelCurveB(), 40, 109}, {LevelCurveB(), 79, 1},   {LevelCurveB(), 80, 0},
        {LevelCurveC(), 0, 3},    {LevelCurveC(), 13, 16},  {LevelCurveC(), 63, 255},
        {LevelCurveC(), 64, 255}, {LevelCurveC(), 110, 24}, {LevelCurveC(), 127, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.curve[c.index], c.level) << c.index;
    }
}

TEST(LevelCurvesTest, AAndCFallAsTheyRoseAndBStaysDarkAfterItsPulse) {
    const auto a = LevelCurveA();
    const auto c = LevelCurveC();
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i], a[a.size() - 1 - i]) << i;
    }
    for (size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i], c[c.size() - 1 - i]) << i;
    }
    for (size_t i = 81; i < LevelCurveB().size(); ++i) {
        EXPECT_EQ(LevelCurveB()[i], 0) << i;
    }
}

TEST(ColorScalingTest, ChannelsScaleRoundedTowardZero) {
    EXPECT_EQ(ScaleColor(ColorOfRgb(255, 128, 1), 128), ColorOfRgb(128, 64, 0));
    EXPECT_EQ(ScaleColor(ColorOfRgb(10, 20, 30), 100), ColorOfRgb(3, 7, 11));
    EXPECT_EQ(ScaleColor(ColorOfRgb(200, 100, 50), 255), ColorOfRgb(200, 100, 50));
    EXPECT_EQ(ScaleColor(ColorOfRgb(200, 100, 50), 0), 0u);
}

TEST(PhaseAdvanceTest, WrapsOnceAroundTheModulusByDirection) {
    struct Case {
        int phase, step, modulus;
        uint8_t direction;
        int expected;
    };
    const Case cases[] = {
        {0, 9, 192, LIGHT_DIRECTION_FIRST, 9},
        {190, 2, 192, LIGHT_DIRECTION_FIRST, 0},
        {188, 9, 192, LIGHT_DIRECTION_FIRST, 5},
        {0, 2, 192, LIGHT_DIRECTION_SECOND, 190},
        {3, 7, 96, LIGHT_DIRECTION_SECOND, 92},
        {7, 7, 96, LIGHT_DIRECTION_SECOND, 0},
        {10, 4, 192, 0x01, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AdvanceByDirection(c.phase, c.step, c.modulus, c.direction), c.expected)
            << c.phase << " by " << c.step << " direction " << int{c.direction};
    }
}

}  // namespace
}  // namespace keyloom::test
