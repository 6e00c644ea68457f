#include "storage/SkinFile.h"

#include <gtest/gtest.h>

#include <climits>

#include "storage/SkinOutline.h"
#include "storage/SkinPlacement.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

std::string WriteSkin(const std::string& text) {
    const std::string path = test::MakeTemporaryFolder() + "/Main.ini";
    EXPECT_TRUE(test::PutFile(path, text));
    return path;
}

TEST(SkinFileTest, RectanglesAreReadFromTheirSectionWithTheDefaultForMissingKeys) {
    const std::string skin = WriteSkin(
        "[BUTTONINFO]\n"
        "KEY_01E = 10,20,30,40,anything after the fourth number\n"
        "FUNC_DEFAULT=1,1,50,20\n"
        "[BUTTONINFO2]\n"
        "UP_ARROW_LEFT1=5,6,7,8\n");
    EXPECT_EQ(ReadSkinRect(skin, SKIN_SECTION_BUTTONS, "key_01e"), (SkinRect{10, 20, 30, 40}));
    EXPECT_EQ(ReadSkinRect(skin, SKIN_SECTION_BUTTONS, "KEY_09D"), (SkinRect{1, 1, 1, 1}));
    EXPECT_EQ(ReadSkinRect(skin, SKIN_SECTION_BUTTONS, "UP_ARROW_LEFT1"), (SkinRect{1, 1, 1, 1}));
    EXPECT_EQ(ReadSkinRect(skin, SKIN_SECTION_ARROWS, "UP_ARROW_LEFT1"), (SkinRect{5, 6, 7, 8}));
    EXPECT_EQ(ReadSkinRect(skin + ".missing", SKIN_SECTION_BUTTONS, "KEY_01E"),
              (SkinRect{1, 1, 1, 1}));
}

TEST(SkinFileTest, DamagedValuesKeepTheDefaultForWhatIsMissing) {
    EXPECT_EQ(ParseSkinRect("-5, 7,300,2"), (SkinRect{-5, 7, 300, 2}));
    EXPECT_EQ(ParseSkinRect("12,34"), (SkinRect{12, 34, 1, 1}));
    EXPECT_EQ(ParseSkinRect("12;34,5,6"), (SkinRect{12, 1, 1, 1}));
    EXPECT_EQ(ParseSkinRect("x,2,3,4"), (SkinRect{1, 1, 1, 1}));
    EXPECT_EQ(ParseSkinRect(""), (SkinRect{1, 1, 1, 1}));
}

TEST(SkinFileTest, NumbersBeyondTheRangeOfIntAreCutToIt) {
    EXPECT_EQ(ParseSkinRect("99999999999,-99999999999,4294967296,2147483648"),
              (SkinRect{INT_MAX, INT_MIN, INT_MAX, INT_MAX}));
    EXPECT_EQ(ParseSkinRect("5,6, 99999999999999999999999,-4294967296"),
              (SkinRect{5, 6, INT_MAX, INT_MIN}));
}

TEST(SkinFileTest, ScreenSectionFallsBackToTheBackgroundForTheOutline) {
    const std::string skin = WriteSkin("[SCREEN]\nMain=main_bg.jpg\n");
    const SkinScreen screen = ReadSkinScreen(skin);
    EXPECT_EQ(screen.main, "main_bg.jpg");
    EXPECT_EQ(screen.mask, "main_bg.jpg");
    EXPECT_EQ(screen.link, SKIN_DEFAULT_LINK);

    const SkinScreen missing = ReadSkinScreen(skin + ".missing");
    EXPECT_EQ(missing.main, "");
    EXPECT_EQ(missing.mask, "");
}

TEST(SkinPlacementTest, SkinnedControlAtOneOneIsDisabledWhateverItsSize) {
    const ControlPlacement atOne = PlaceSkinnedControl({1, 1, 50, 20});
    EXPECT_TRUE(atOne.changesEnabled);
    EXPECT_FALSE(atOne.enabled);
    EXPECT_EQ(atOne.rect, (SkinRect{1, 1, 50, 20}));

    const ControlPlacement elsewhere = PlaceSkinnedControl({2, 1, 50, 20});
    EXPECT_TRUE(elsewhere.enabled);
    EXPECT_EQ(elsewhere.surfaces, SkinSurfaces::kStates);
    EXPECT_EQ(elsewhere.faceX, 2);
    EXPECT_EQ(elsewhere.faceY, 1);
}

TEST(SkinPlacementTest, OtherPlacementsLeaveTheEnabledStateAlone) {
    const ControlPlacement placed = PlaceControl({1, 1, 1, 1});
    EXPECT_FALSE(placed.changesEnabled);
    EXPECT_EQ(placed.surfaces, SkinSurfaces::kUnchanged);

    const ControlPlacement moved = MoveControlKeepSize({30, 40, 5, 5}, 120, 16);
    EXPECT_EQ(moved.rect, (SkinRect{30, 40, 120, 16}));
    EXPECT_TRUE(moved.repaint);
    EXPECT_FALSE(moved.changesEnabled);

    const ControlPlacement arrow = PlaceArrowControl({300, 200, 12, 12}, {24, 36, 1, 1});
    EXPECT_EQ(arrow.rect, (SkinRect{300, 200, 12, 12}));
    EXPECT_EQ(arrow.surfaces, SkinSurfaces::kArrow);
    EXPECT_EQ(arrow.faceX, 24);
    EXPECT_EQ(arrow.faceY, 36);
}

TEST(SkinOutlineTest, WhitePixelsAreCutAwayRowByRow) {
    // Row 0: white, dark, dark, white, dark. Row 1: all white. Row 2: near-white counts.
    const uint32_t pixels[3][5] = {
        {0xFFFFFF, 0x000000, 0x102030, 0xFFFFFF, 0x0000FF},
        {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
        {0xFEFFFF, 0xFEFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFE},
    };
    const auto runs = OutlineRuns(5, 3, [&](int x, int y) { return pixels[y][x]; });
    EXPECT_EQ(runs, (std::vector<OutlineRun>{{1, 0, 2}, {4, 0, 1}, {0, 2, 2}, {4, 2, 1}}));
}

TEST(SkinOutlineTest, EntirelyWhiteOutlineGivesAnEmptyShape) {
    EXPECT_TRUE(OutlineRuns(40, 30, [](int, int) { return 0xFFFFFFu; }).empty());
    EXPECT_TRUE(OutlineRuns(0, 0, [](int, int) { return 0u; }).empty());
}

}  // namespace
}  // namespace keyloom
