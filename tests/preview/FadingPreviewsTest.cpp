// The previews that light keys and let them fade: starlight (mode 10) and the waves of modes 13
// to 16.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "PreviewRuns.h"
#include "preview/KeyNameLookup.h"
#include "preview/PreviewGrid.h"
#include "preview/WaveScripts.h"

namespace keyloom::test {
namespace {

constexpr int kFadingModes[] = {10, 13, 14, 15, 16};
constexpr Color kWhite = ColorOfRgb(255, 255, 255);

struct WaveMode {
    int mode;
    WaveKind kind;
};
constexpr WaveMode kWaveModes[] = {
    {13, WaveKind::kRipple},
    {14, WaveKind::kReactive},
    {15, WaveKind::kFireworks},
    {16, WaveKind::kShockwave},
};

// In white, the red channel is the key's brightness; a key without an outline is dark.
int LevelOf(const PreviewFrame& frame, size_t button) {
    return frame[button] == NO_KEY_FRAME ? 0 : RedOf(frame[button]);
}

std::vector<PreviewFrame> WhiteFrames(int mode, int ticks) {
    LightingPreview preview(SeededRandom(3));
    return RunFrames(preview, PreviewValues(mode, false, LIGHT_DIRECTION_FIRST, kWhite), ticks);
}

std::vector<PreviewFrame> SeededFrames(int mode, bool multicolor, uint32_t seed) {
    LightingPreview preview(SeededRandom(seed));
    return RunFrames(preview, PreviewValues(mode, multicolor), 150);
}

// The same source gives the same frames; multicolour takes its colours from it.
TEST(FadingPreviewsTest, FramesFollowTheRandomSource) {
    for (int mode : kFadingModes) {
        for (bool multicolor : {false, true}) {
            const auto frames = SeededFrames(mode, multicolor, 11);
            EXPECT_EQ(SeededFrames(mode, multicolor, 11), frames) << mode;
            EXPECT_EQ(SeededFrames(mode, multicolor, 12) != frames, multicolor) << mode;
        }
    }
}

TEST(FadingPreviewsTest, FramesChangeFromTickToTick) {
    for (int mode : kFadingModes) {
        const auto frames = WhiteFrames(mode, 150);
        int changes = 0;
        for (size_t t = 1; t < frames.size(); ++t) {
            changes += frames[t] != frames[t - 1] ? 1 : 0;
        }
        EXPECT_GT(changes, 140) << mode;
    }
}

// A key is lit at full brightness, then only loses brightness until it is dark or lit again; a key
// lit in the first half of the run is dark again in the second half.
TEST(FadingPreviewsTest, LitKeysFadeBackToDark) {
    constexpr int kTicks = 200;
    for (int mode : kFadingModes) {
        const auto frames = WhiteFrames(mode, kTicks);
        std::set<size_t> litEarly;
        std::set<size_t> darkLate;
        for (size_t t = 0; t < frames.size(); ++t) {
            for (size_t button = 0; button < LIGHTING_BUTTON_COUNT; ++button) {
                const int level = LevelOf(frames[t], button);
                const int before = t == 0 ? 0 : LevelOf(frames[t - 1], button);
                EXPECT_TRUE(level == 255 || level < before || level == 0)
                    << "mode " << mode << " tick " << t << " button " << button;
                if (level > 0 && t < kTicks / 2) {
                    litEarly.insert(button);
                }
                if (level == 0 && t >= kTicks / 2) {
                    darkLate.insert(button);
                }
            }
        }
        EXPECT_FALSE(litEarly.empty()) << mode;
        EXPECT_TRUE(
            std::includes(darkLate.begin(), darkLate.end(), litEarly.begin(), litEarly.end()))
            << mode;
    }
}

// Whether one of the key's cells lies this many cells from a cell, rows and columns added up.
bool HasCellAt(int button, GridCell from, int distance) {
    for (int row = 0; row < GRID_ROWS; ++row) {
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            if (PreviewGrid()[row][column] == button &&
                std::abs(row - from.row) + std::abs(column - from.column) == distance) {
                return true;
            }
        }
    }
    return false;
}

std::set<int> KeysAtFullBrightness(const PreviewFrame& frame) {
    std::set<int> keys;
    for (size_t button = 0; button < LIGHTING_BUTTON_COUNT; ++button) {
        if (LevelOf(frame, button) == 255) {
            keys.insert(static_cast<int>(button));
        }
    }
    return keys;
}

TEST(FadingPreviewsTest, AFrontStartsAtTheScriptsKeyAndMovesOneCellPerTick) {
    for (const WaveMode& wave : kWaveModes) {
        const WaveScript& script = WaveScriptOf(wave.kind);
        const int start = LightingButtonOfName(script.starts[0]);
        const auto startCell = FirstCellOf(start);
        ASSERT_TRUE(startCell.has_value()) << wave.mode;
        const int ticks = std::min(script.beat, script.reach + 1);
        const auto frames = WhiteFrames(wave.mode, ticks);
        for (int distance = 0; distance < ticks; ++distance) {
            std::set<int> expected;
            for (const GroupedButton& key : GridRows()) {
                if (HasCellAt(key.button, *startCell, distance)) {
                    expected.insert(key.button);
                }
            }
            EXPECT_EQ(KeysAtFullBrightness(frames[static_cast<size_t>(distance)]), expected)
                << "mode " << wave.mode << " distance " << distance;
        }
    }
}

}  // namespace
}  // namespace keyloom::test
