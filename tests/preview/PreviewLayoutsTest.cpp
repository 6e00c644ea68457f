#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/KeyButtonTable.h"
#include "preview/KeyNameLookup.h"
#include "preview/PreviewGrid.h"
#include "preview/PreviewRing.h"
#include "preview/RingsAroundJ.h"

namespace keyloom::test {
namespace {

constexpr int kFnButton = static_cast<int>(LIGHTING_BUTTON_COUNT) - 1;

int ButtonOfKey(ScanCode code) {
    return KeyButtonIndexOfScanCode(code);
}

TEST(PreviewGridTest, EveryNamedCellHoldsAButtonAndEveryGapNone) {
    // Cells with a key in each row, counted on the keyboard's drawing.
    const int keysPerRow[GRID_ROWS] = {13, 21, 19, 18, 20, 14};
    std::set<int> buttons;
    for (int row = 0; row < GRID_ROWS; ++row) {
        int keys = 0;
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            const bool named = !PreviewGridNames()[row][column].empty();
            const int button = PreviewGrid()[row][column];
            EXPECT_EQ(named, button != NO_BUTTON) << PreviewGridNames()[row][column];
            keys += named ? 1 : 0;
            if (button != NO_BUTTON) {
                buttons.insert(button);
            }
        }
        EXPECT_EQ(keys, keysPerRow[row]) << "row " << row;
    }
    // Num Lock, Right Shift, Right Alt and Num 0 span two cells each.
    EXPECT_EQ(buttons.size(), 105u - 4u);
}

TEST(PreviewGridTest, CellsHoldTheKeysUnderThem) {
    struct Case {
        int column, row, button;
    };
    const Case cases[] = {
        {3, 0, ButtonOfKey(0x03B)},                                // F1
        {0, 1, ButtonOfKey(0x001)},                                // Esc
        {16, 1, ButtonOfKey(0x045)},                               // Pause
        {14, 2, ButtonOfKey(0x02B)},                               // backslash
        {8, 3, ButtonOfKey(0x024)},                                // J
        {2, 4, ButtonOfKey(0x056)},                                // K45
        {13, 4, ButtonOfKey(0x036)},                               // Right Shift, both of its cells
        {14, 4, ButtonOfKey(0x036)}, {15, 4, ButtonOfKey(0x148)},  // Up
        {1, 5, ButtonOfKey(0x15B)},                                // Win
        {11, 5, kFnButton},          {12, 5, ButtonOfKey(0x15D)},  // App
        {16, 5, ButtonOfKey(0x14D)},                               // Right
        {21, 5, ButtonOfKey(0x053)},                               // Num .
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PreviewGrid()[c.row][c.column], c.button) << c.column << ", " << c.row;
    }
}

TEST(PreviewGridTest, ColumnAndRowGroupsNameTheCellsOfTheirKeys) {
    ASSERT_EQ(GridColumns().size(), 105u);
    ASSERT_EQ(GridRows().size(), 105u);
    for (size_t i = 0; i < GridColumns().size(); ++i) {
        const GroupedButton byColumn = GridColumns()[i];
        const GroupedButton byRow = GridRows()[i];
        EXPECT_EQ(byColumn.button, byRow.button);
        EXPECT_EQ(PreviewGrid()[byRow.group][byColumn.group], byColumn.button) << i;
    }
}

TEST(PreviewGridTest, FindsTheFirstCellOfAKey) {
    const auto rightShift = FirstCellOf(ButtonOfKey(0x036));
    ASSERT_TRUE(rightShift.has_value());
    EXPECT_EQ(rightShift->column, 13);
    EXPECT_EQ(rightShift->row, 4);
    const auto numLock = FirstCellOf(ButtonOfKey(0x145));
    ASSERT_TRUE(numLock.has_value());
    EXPECT_EQ(numLock->column, 18);
    EXPECT_EQ(numLock->row, 1);
    EXPECT_FALSE(FirstCellOf(ButtonOfKey(0x137)).has_value());  // Print Screen is not drawn
    EXPECT_FALSE(FirstCellOf(NO_BUTTON).has_value());
}

TEST(PreviewRingTest, HoldsSixtyNineDifferentKeysFromPauseToS) {
    const std::set<int> buttons(PreviewRing().begin(), PreviewRing().end());
    EXPECT_EQ(buttons.size(), PREVIEW_RING_SIZE);
    EXPECT_FALSE(buttons.contains(NO_BUTTON));
    EXPECT_EQ(PreviewRing()[0], ButtonOfKey(0x045));  // Pause
    EXPECT_EQ(PreviewRing()[23], kFnButton);
    EXPECT_EQ(PreviewRing()[45], ButtonOfKey(0x056));  // K45
    EXPECT_EQ(PreviewRing()[68], ButtonOfKey(0x01F));  // S
    for (size_t place = 0; place < PREVIEW_RING_SIZE; ++place) {
        EXPECT_EQ(RingPlaces()[place].button, PreviewRing()[place]);
        EXPECT_EQ(RingPlaces()[place].group, static_cast<int>(place));
    }
}

TEST(RingsAroundJTest, ElevenRingsFromJOutwardsHoldTheRingsKeys) {
    std::map<int, int> keysPerRing;
    std::set<int> buttons;
    for (const GroupedButton& key : RingsAroundJ()) {
        ++keysPerRing[key.group];
        buttons.insert(key.button);
    }
    const std::map<int, int> expected = {{0, 1}, {1, 6}, {2, 10}, {3, 9}, {4, 9}, {5, 8},
                                         {6, 7}, {7, 8}, {8, 4},  {9, 5}, {10, 2}};
    EXPECT_EQ(keysPerRing, expected);
    EXPECT_EQ(RingsAroundJ()[0].button, ButtonOfKey(0x024));
    EXPECT_EQ(buttons, std::set<int>(PreviewRing().begin(), PreviewRing().end()));
}

TEST(KeyNameLookupTest, NamesAreCatalogLabelsAndFn) {
    EXPECT_EQ(LightingButtonOfName("Right Shift"), ButtonOfKey(0x036));
    EXPECT_EQ(LightingButtonOfName("←"), ButtonOfKey(0x14B));
    EXPECT_EQ(LightingButtonOfName(FN_KEY_NAME), kFnButton);
    EXPECT_EQ(LightingButtonOfName(""), NO_BUTTON);
    EXPECT_EQ(LightingButtonOfName("Mute"), NO_BUTTON);  // a key without a button
    EXPECT_EQ(LightingButtonOfName("No such key"), NO_BUTTON);
}

}  // namespace
}  // namespace keyloom::test
