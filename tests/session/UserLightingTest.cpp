#include "session/UserLighting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include "device/DeviceResult.h"
#include "session/LightingFixture.h"

namespace keyloom::test {
namespace {

using UserLightingTest = LightingSimTest;

constexpr int kControlA = 1058;  // LED 31, lighting button 0
constexpr int kControlG1 = 1000;
constexpr size_t kIndexA = 0;
constexpr size_t kIndexB = 1;  // LED 51
constexpr size_t kIndexF1 = 52;
constexpr size_t kIndexG1 = KEY_BUTTON_COUNT;
constexpr size_t kIndexFn = LIGHTING_BUTTON_COUNT - 1;

constexpr Color kBase = ColorOfRgb(10, 20, 30);
constexpr Color kRed = ColorOfRgb(255, 0, 0);

TEST_F(UserLightingTest, PaintingAWithTheBaseColourInProfile2) {
    EnterUserMode(2);
    state.preset = 4;
    state.paint = {TOOL_BASE_COLOR, kBase, kRed};
    EXPECT_EQ(PaintKey(lighting, kControlA), RESULT_OK);
    ASSERT_EQ(Commands(), (std::vector<int>{CMD_BEGIN, CMD_WRITE_KEY_COLORS, CMD_END}));
    EXPECT_EQ(WrittenRequests()[1].offset, 1024 + 93);
    EXPECT_EQ(SimBytes(ZOZSIM_AREA_KEY_COLORS, 1024 + 93, 3), (std::vector<uint8_t>{10, 20, 30}));
    EXPECT_EQ(LedColor(state.keyColors[2], 31), kBase);
    EXPECT_TRUE(state.followsBase[2][kIndexA]);
    EXPECT_FALSE(state.followsBase[0][kIndexA] || state.followsBase[1][kIndexA]);
    EXPECT_EQ(display.frames, (std::vector<KeyFrame>{{kControlA, true, kBase}}));
    EXPECT_EQ(ProfileEntry(2, 4, 31), "10,20,30,1");
}

TEST_F(UserLightingTest, PaintingWithTheColourStoresFlag0) {
    EnterUserMode(1);
    state.preset = 2;
    state.paint = {TOOL_COLOR, kBase, kRed};
    state.followsBase[1][kIndexA] = true;
    EXPECT_EQ(PaintKey(lighting, kControlA), RESULT_OK);
    EXPECT_EQ(ProfileEntry(1, 2, 31), "255,0,0,0");
    EXPECT_FALSE(state.followsBase[1][kIndexA]);
}

TEST_F(UserLightingTest, PaintsOnlyLitButtonsInTheViewWithTheUserModeSelected) {
    EnterUserMode(0);
    for (int control : {1010, 1095, 1029, 4242}) {  // F1, Home, grave accent, no button
        EXPECT_EQ(PaintKey(lighting, control), RESULT_BAD_ARGUMENT) << control;
    }
    display.selectedModeItem = 0;
    EXPECT_EQ(PaintKey(lighting, kControlA), RESULT_BAD_ARGUMENT);
    const uint8_t withoutUserMode[32] = {1, 2};
    state.modes.Rebuild(std::span<const uint8_t, 32>(withoutUserMode));
    display.selectedModeItem = -1;  // the missing item's -1 matches no selection
    EXPECT_EQ(PaintKey(lighting, kControlA), RESULT_BAD_ARGUMENT);
    EnterUserMode(0);
    state.view = false;
    EXPECT_EQ(PaintKey(lighting, kControlA), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(Requests(), 0u);
    EXPECT_TRUE(display.frames.empty());
    EXPECT_EQ(state.keyColors[0], KeyColorTable{});
    EXPECT_FALSE(std::filesystem::exists(files.LightingFilePath(0)));
}

TEST_F(UserLightingTest, FnAndTheGKeysPaintTheirOwnLeds) {
    EnterUserMode(0);
    EXPECT_EQ(PaintKey(lighting, FN_CONTROL), RESULT_OK);
    EXPECT_EQ(PaintKey(lighting, kControlG1), RESULT_OK);
    EXPECT_EQ(WrittenRequests()[1].offset, 3 * 70);
    EXPECT_EQ(WrittenRequests()[4].offset, 3 * 125);
}

TEST_F(UserLightingTest, UploadWritesTheTableOfTheProfileInViewIn18LedPieces) {
    ASSERT_TRUE(state.SelectProfile(1));
    std::iota(state.keyColors[1].begin(), state.keyColors[1].end(), uint8_t{7});
    const auto bank0 = SimBytes(ZOZSIM_AREA_KEY_COLORS, 0, 378);
    EXPECT_EQ(UploadKeyColors(lighting), RESULT_OK);
    const auto requests = WrittenRequests();
    ASSERT_EQ(requests.size(), 9u);
    for (size_t piece = 0; piece < 7; ++piece) {
        EXPECT_EQ(requests[piece + 1].offset, static_cast<int>(512 + 54 * piece));
        EXPECT_EQ(requests[piece + 1].length, 54);
    }
    EXPECT_TRUE(SimBankHolds(1, state.keyColors[1]));
    EXPECT_EQ(SimBytes(ZOZSIM_AREA_KEY_COLORS, 0, 378), bank0);
}

TEST_F(UserLightingTest, TheSameBaseColourWritesNothing) {
    EnterUserMode(0);
    state.paint = {TOOL_COLOR, kBase, kRed};
    state.followsBase[0][kIndexA] = true;
    EXPECT_EQ(SetBaseColor(lighting, kBase), RESULT_OK);
    EXPECT_EQ(Requests(), 0u);
    EXPECT_TRUE(display.frames.empty());
    EXPECT_FALSE(std::filesystem::exists(files.LightingFilePath(0)));
}

TEST_F(UserLightingTest, ANewBaseColourReachesEveryButtonThatFollowsIt) {
    EnterUserMode(1);
    state.preset = 3;
    state.paint = {TOOL_COLOR, kBase, kRed};
    for (size_t index : {kIndexA, kIndexG1, kIndexFn, kIndexF1}) {
        state.followsBase[1][index] = true;
    }
    const Color blue = ColorOfRgb(0, 0, 255);
    EXPECT_EQ(SetBaseColor(lighting, blue), RESULT_OK);
    for (int led : {31, 70, 125}) {
        EXPECT_EQ(LedColor(state.keyColors[1], led), blue) << led;
        EXPECT_EQ(ProfileEntry(1, 3, led), "0,0,255,1") << led;
    }
    EXPECT_EQ(LedColor(state.keyColors[1], 51), 0u);
    EXPECT_EQ(ProfileEntry(1, 3, 51), "none");
    EXPECT_EQ(files.LightingFile(1).ReadPresetSettings(3).baseColor, blue);
    EXPECT_EQ(display.frames,
              (std::vector<KeyFrame>{
                  {kControlA, true, blue}, {kControlG1, true, blue}, {FN_CONTROL, true, blue}}));
    EXPECT_TRUE(SimBankHolds(1, state.keyColors[1]));
}

TEST_F(UserLightingTest, LoadingAPresetTakesTheFileButNotTheGKeysAndUploadsIt) {
    ASSERT_TRUE(state.SelectProfile(1));
    const std::string path = files.LightingFilePath(1);
    for (const auto& [section, key, value] :
         std::vector<std::array<const char*, 3>>{{"PRESENTMODE", "mode", "2"},
                                                 {"Mode2", "tool", "1"},
                                                 {"Mode2", "jcolor", "1,2,3"},
                                                 {"Mode2", "31", "10,20"},
                                                 {"Mode2", "70", "0,0,255,0"},
                                                 {"Mode2", "125", "9,9,9,0"}}) {
        ASSERT_TRUE(WritePrivateProfileString(section, key, value, path));
    }
    state.followsBase[1][kIndexG1] = true;
    EXPECT_EQ(LoadUserPreset(lighting), RESULT_OK);
    EXPECT_EQ(state.preset, 2);
    EXPECT_EQ(state.paint.tool, TOOL_BASE_COLOR);
    EXPECT_EQ(state.paint.baseColor, ColorOfRgb(1, 2, 3));
    EXPECT_EQ(LedColor(state.keyColors[1], 31), ColorOfRgb(10, 20, 0));
    EXPECT_FALSE(state.followsBase[1][kIndexA]);
    EXPECT_EQ(LedColor(state.keyColors[1], 70), ColorOfRgb(0, 0, 255));
    EXPECT_EQ(LedColor(state.keyColors[1], 51), kRed);  // missing: red, following the base
    EXPECT_TRUE(state.followsBase[1][kIndexB]);
    EXPECT_EQ(LedColor(state.keyColors[1], 125), 0u);
    EXPECT_TRUE(state.followsBase[1][kIndexG1]);
    EXPECT_TRUE(SimBankHolds(1, state.keyColors[1]));
}

TEST_F(UserLightingTest, BaseColourFlagsAreRecomputedForEveryProfile) {
    WriteRgb(&state.records[0][LIGHT_BASE_COLOR], kBase);
    StoreLedColor(state.keyColors[0], 31, kBase);
    state.followsBase[0][kIndexB] = true;
    RecomputeBaseColorFlags(state);
    EXPECT_TRUE(state.followsBase[0][kIndexA]);
    EXPECT_FALSE(state.followsBase[0][kIndexB]);
    for (size_t index = 0; index < LIGHTING_BUTTON_COUNT; ++index) {
        EXPECT_EQ(state.followsBase[2][index], HasLed(LightingButtons()[index])) << index;
    }
}

TEST_F(UserLightingTest, ShowingKeyColoursFramesOnlyButtonsWithAnLed) {
    ASSERT_TRUE(state.SelectProfile(1));
    StoreLedColor(state.keyColors[1], 125, kRed);
    ShowKeyColors(lighting);
    ASSERT_EQ(display.frames.size(), LIGHTING_BUTTON_COUNT);
    EXPECT_EQ(display.frames[kIndexF1], (KeyFrame{1010, false, 0}));
    EXPECT_EQ(display.frames[kIndexG1], (KeyFrame{kControlG1, true, kRed}));
}

}  // namespace
}  // namespace keyloom::test
