#include <gtest/gtest.h>

#include <set>

#include "model/KeyButtonTable.h"
#include "platform/PrivateProfile.h"
#include "storage/UserLightingFile.h"

namespace keyloom::test {
namespace {

const std::string kShipped =
    std::string(KEYLOOM_SOURCE_DIR) + "resources/Skins/UserDengColor_3.userd";

// Every preset is named and gives the key buttons and Fn a colour of its own; keys that follow
// the base colour have it.
TEST(ShippedLightingFileTest, EveryPresetIsNamedAndColoursEveryLitKey) {
    const UserLightingFile shipped(kShipped);
    std::set<int> leds = {FN_LED};
    for (const KeyButton& button : KeyButtons()) {
        if (HasLed(button)) {
            leds.insert(button.led);
        }
    }
    std::set<std::string> names;
    for (int preset = 0; preset < PRESET_COUNT; ++preset) {
        EXPECT_TRUE(
            names.insert(ReadProfileString("MODENAME", std::to_string(preset), "", kShipped))
                .second);
        const std::string section = "Mode" + std::to_string(preset);
        const PresetSettings settings = shipped.ReadPresetSettings(preset);
        for (int led : leds) {
            const std::string value = ReadProfileString(section, std::to_string(led), "", kShipped);
            EXPECT_EQ(std::count(value.begin(), value.end(), ','), 3) << section << " " << led;
            const KeyColorEntry entry = shipped.ReadKeyColor(preset, led);
            EXPECT_TRUE(!entry.followsBase || entry.color == settings.baseColor) << section << led;
        }
    }
    EXPECT_EQ(names.count(""), 0u);
}

}  // namespace
}  // namespace keyloom::test
