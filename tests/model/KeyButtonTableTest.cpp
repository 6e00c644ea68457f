#include "model/KeyButtonTable.h"

#include <gtest/gtest.h>

#include <set>

namespace keyloom::test {
namespace {

TEST(KeyButtonTableTest, KeyButtonsHaveUniqueControlsKeysAndLeds) {
    ASSERT_EQ(LightingButtons().size(), 115u);
    std::set<int> controls;
    std::set<int> codes;
    std::set<int> leds = {FN_LED, G_KEY_LED};
    size_t withoutLed = 0;
    for (const KeyButton& button : LightingButtons()) {
        EXPECT_TRUE(controls.insert(button.control).second) << button.control;
    }
    for (const KeyButton& button : KeyButtons()) {
        EXPECT_TRUE(codes.insert(button.code).second) << button.control;
        EXPECT_TRUE(HasLed(button) ? leds.insert(button.led).second : button.led == NO_LED);
        withoutLed += HasLed(button) ? 0 : 1;
    }
    // Grave accent, F1 to F12, Print Screen, Insert, Home, End, Scroll Lock, seven keypad keys.
    EXPECT_EQ(withoutLed, 25u);
    for (const KeyButton& button : GKeyButtons()) {
        EXPECT_EQ(button.led, G_KEY_LED);
    }
}

TEST(KeyButtonTableTest, LooksUpControlsAndKeys) {
    EXPECT_EQ(LightingButtonIndexOfControl(1058), 0);    // A
    EXPECT_EQ(LightingButtonIndexOfControl(1222), 104);  // K45
    EXPECT_EQ(LightingButtonIndexOfControl(1000), 105);  // G1
    EXPECT_EQ(LightingButtonIndexOfControl(1143), 113);  // G9
    EXPECT_EQ(LightingButtonIndexOfControl(FN_CONTROL), 114);
    EXPECT_EQ(LightingButtonIndexOfControl(1016), -1);  // D1 is no key button
    EXPECT_EQ(KeyButtonIndexOfScanCode(0x11D), 80);     // Right Ctrl
    EXPECT_EQ(KeyButtons()[80].led, 113);
    EXPECT_FALSE(HasLed(KeyButtons()[KeyButtonIndexOfScanCode(0x147)]));  // Home
    EXPECT_EQ(KeyButtonIndexOfScanCode(0), -1);
    EXPECT_EQ(KeyButtonIndexOfScanCode(0x171), -1);  // a mouse button
}

}  // namespace
}  // namespace keyloom::test
