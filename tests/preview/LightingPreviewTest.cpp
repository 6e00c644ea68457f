#include "preview/LightingPreview.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "PreviewRuns.h"
#include "preview/ColorWheel.h"
#include "preview/KeyNameLookup.h"
#include "preview/LevelCurves.h"
#include "preview/PreviewGrid.h"
#include "preview/RingsAroundJ.h"

namespace keyloom::test {
namespace {

constexpr uint8_t kDirections[] = {LIGHT_DIRECTION_FIRST, LIGHT_DIRECTION_SECOND};

// Where a phase stands after some ticks that each move it a step, forward or backward, around the
// modulus.
int PhaseAfter(int ticks, int step, int modulus, uint8_t direction) {
    const int moved = step * ticks % modulus;
    return direction == LIGHT_DIRECTION_FIRST ? moved : (modulus - moved) % modulus;
}

// The column of every key that has one cell of the grid; keys spanning two cells are left out.
std::map<int, int> ColumnOfSingleCellKeys() {
    std::map<int, int> cells;
    std::map<int, int> column;
    for (const GroupedButton& key : GridColumns()) {
        ++cells[key.button];
        column[key.button] = key.group;
    }
    std::erase_if(column, [&](const auto& entry) { return cells[entry.first] > 1; });
    return column;
}

void ExpectDarkOutside(const PreviewFrame& frame, ButtonGroups lit) {
    PreviewFrame expected;
    expected.fill(NO_KEY_FRAME);
    for (const GroupedButton& key : lit) {
        expected[static_cast<size_t>(key.button)] = frame[static_cast<size_t>(key.button)];
    }
    EXPECT_EQ(frame, expected);
}

TEST(LightingPreviewTest, ColorCycleTurnsTheWholeGridThroughTheWheelIn96Ticks) {
    for (uint8_t direction : kDirections) {
        LightingPreview preview(SeededRandom(1));
        const auto frames = RunFrames(preview, PreviewValues(4, false, direction), 200);
        const auto key = [](const PreviewFrame& frame) {
            return frame[static_cast<size_t>(GridColumns()[0].button)];
        };
        for (size_t t = 0; t < frames.size(); ++t) {
            const int ticks = static_cast<int>(t) + 1;
            EXPECT_EQ(key(frames[t]), WheelColor(PhaseAfter(ticks, 2, 192, direction)));
            for (const GroupedButton& other : GridColumns()) {
                EXPECT_EQ(frames[t][static_cast<size_t>(other.button)], key(frames[t]));
            }
        }
        for (size_t later = 1; later < 96; ++later) {
            EXPECT_NE(key(frames[later]), key(frames[0])) << later;
        }
        EXPECT_EQ(frames[96], frames[0]);
        EXPECT_EQ(frames[192], frames[0]);
    }
}

TEST(LightingPreviewTest, ModesWithoutAPictureClearEveryTick) {
    LightingPreview preview(SeededRandom(1));
    for (int mode : {7, 8, 9, 17, 19, MODE_NONE, 21, 255, -1}) {
        for (bool multicolor : {false, true}) {
            for (int tick = 0; tick < 4; ++tick) {
                PreviewFrame frame;
                frame.fill(kChosenColor);
                EXPECT_EQ(preview.Tick(PreviewValues(mode, multicolor), frame), PreviewStep::kClear)
                    << mode;
                ExpectDarkOutside(frame, {});
            }
        }
    }
}

TEST(LightingPreviewTest, UserModeKeepsTheKeysAsTheyAre) {
    LightingPreview preview(SeededRandom(1));
    PreviewFrame frame;
    frame.fill(kChosenColor);
    const PreviewFrame before = frame;
    for (int tick = 0; tick < 4; ++tick) {
        EXPECT_EQ(preview.Tick(PreviewValues(MODE_USER, true), frame), PreviewStep::kKeep);
    }
    EXPECT_EQ(frame, before);
}

TEST(LightingPreviewTest, FirstTickAfterResetStartsTheModeFromZero) {
    for (int mode = 1; mode <= 18; ++mode) {
        const LightingValues values = PreviewValues(mode, false);
        LightingPreview fresh(SeededRandom(7));
        PreviewFrame first;
        const PreviewStep step = fresh.Tick(values, first);

        LightingPreview used(SeededRandom(7));
        PreviewFrame frame;
        for (int tick = 0; tick < 9; ++tick) {
            used.Tick(values, frame);
        }
        used.Tick(PreviewValues(1, true), frame);
        used.Reset();
        EXPECT_EQ(used.Tick(values, frame), step) << mode;
        EXPECT_EQ(frame, first) << mode;
    }
}

TEST(LightingPreviewTest, WithoutResetAModeGoesOnWhereItWas) {
    const LightingValues values = PreviewValues(1, true);
    LightingPreview fresh(SeededRandom(7));
    PreviewFrame first;
    fresh.Tick(values, first);
    LightingPreview used(SeededRandom(7));
    RunFrames(used, values, 5);
    RunFrames(used, PreviewValues(3, true), 1);
    EXPECT_NE(RunFrames(used, values, 1)[0], first);
}

TEST(LightingPreviewTest, WaveRunsTheWheelOrCurveAAlongTheColumns) {
    const auto columns = ColumnOfSingleCellKeys();
    for (bool multicolor : {true, false}) {
        for (uint8_t direction : kDirections) {
            LightingPreview preview(SeededRandom(1));
            const auto frames = RunFrames(preview, PreviewValues(1, multicolor, direction), 60);
            for (int ticks : {1, 2, 21, 22, 60}) {
                const PreviewFrame& frame = frames[static_cast<size_t>(ticks - 1)];
                for (const auto& [button, column] : columns) {
                    const Color expected =
                        multicolor
                            ? WheelColor((PhaseAfter(ticks, 9, 192, direction) + 9 * column) % 192)
                            : AtLevel(
                                  kChosenColor,
                                  LevelCurveA()[(PhaseAfter(ticks, 7, 96, direction) + 7 * column) %
                                                96]);
                    EXPECT_EQ(frame[static_cast<size_t>(button)], expected)
                        << "tick " << ticks << " column " << column;
                }
                ExpectDarkOutside(frame, GridColumns());
            }
        }
    }
}

// The halo's hue moves by 2; backward it goes from 0 to 192 (the same hue) and on down, so a
// backward turn takes 97 ticks.
int HaloHueAfter(int ticks, uint8_t direction) {
    return direction == LIGHT_DIRECTION_FIRST ? 2 * ticks % 192 : 192 - 2 * ((ticks - 1) % 97);
}

TEST(LightingPreviewTest, HaloGivesEachRingAroundJItsOwnHue) {
    for (bool multicolor : {true, false}) {
        for (uint8_t direction : kDirections) {
            LightingPreview preview(SeededRandom(1));
            const auto frames = RunFrames(preview, PreviewValues(18, multicolor, direction), 150);
            for (int ticks : {1, 2, 96, 97, 98, 150}) {
                const PreviewFrame& frame = frames[static_cast<size_t>(ticks - 1)];
                const int hue = HaloHueAfter(ticks, direction);
                for (const GroupedButton& key : RingsAroundJ()) {
                    EXPECT_EQ(frame[static_cast<size_t>(key.button)],
                              WheelColor((hue + 21 * (key.group + 1)) % 192))
                        << "tick " << ticks << " ring " << key.group;
                }
                ExpectDarkOutside(frame, RingsAroundJ());
            }
        }
    }
}

TEST(LightingPreviewTest, AStepReenteredFromItsOwnRandomSourceKeepsTheKeys) {
    LightingPreview* self = nullptr;
    std::vector<PreviewStep> inner;
    PreviewFrame innerFrame;
    innerFrame.fill(kChosenColor);
    const PreviewFrame innerBefore = innerFrame;
    LightingPreview preview([&]() -> uint32_t {
        inner.push_back(self->Tick(PreviewValues(10, true), innerFrame));
        return 5;
    });
    self = &preview;
    PreviewFrame frame;
    EXPECT_EQ(preview.Tick(PreviewValues(10, true), frame), PreviewStep::kFrame);
    ASSERT_FALSE(inner.empty());
    for (PreviewStep step : inner) {
        EXPECT_EQ(step, PreviewStep::kKeep);
    }
    EXPECT_EQ(innerFrame, innerBefore);
}

}  // namespace
}  // namespace keyloom::test
