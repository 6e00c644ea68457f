#pragma once

// What the tool holds of the keyboard's lighting: the announced modes, the three lighting
// records, the values of the profile in view, the user mode's paint state, and per profile the
// per-key colours and which keys follow the base colour.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/KeyButtonTable.h"
#include "model/LightingRecord.h"
#include "storage/UserLightingFile.h"

namespace keyloom {

// Per profile: LED n's red, green and blue at 3 × n. Filled from the user presets, never read
// from the keyboard.
inline constexpr size_t KEY_COLOR_TABLE_SIZE = LED_COUNT * RGB_SIZE;
static_assert(KEY_COLOR_TABLE_SIZE == 378);
using KeyColorTable = std::array<uint8_t, KEY_COLOR_TABLE_SIZE>;

// Black for an LED outside the table.
Color LedColor(const KeyColorTable& table, int led);
// Nothing is stored for an LED outside the table; false then.
bool StoreLedColor(KeyColorTable& table, int led, Color color);

using BaseColorFlags = std::array<bool, LIGHTING_BUTTON_COUNT>;  // by lighting button index

struct LightingState {
    bool view = false;  // LightingView: key clicks paint, the panel shows the mode's controls
    ModeList modes;
    std::array<LightingRecord, LIGHTING_PROFILE_COUNT> records{};
    LightingValues values;
    int preset = 0;        // the user preset in use for the profile in view
    PresetSettings paint;  // tool, base colour and colour of that preset
    std::array<KeyColorTable, LIGHTING_PROFILE_COUNT> keyColors{};
    std::array<BaseColorFlags, LIGHTING_PROFILE_COUNT> followsBase{};

    // LightingProfile: whose lighting is shown and edited.
    int Profile() const { return profile_; }
    // False, and the profile unchanged, outside 0 to 2.
    bool SelectProfile(int profile);

    KeyColorTable& ProfileColors() { return keyColors[static_cast<size_t>(profile_)]; }
    BaseColorFlags& ProfileFlags() { return followsBase[static_cast<size_t>(profile_)]; }
    LightingRecord& ProfileRecord() { return records[static_cast<size_t>(profile_)]; }

  private:
    int profile_ = 0;
};

}  // namespace keyloom
