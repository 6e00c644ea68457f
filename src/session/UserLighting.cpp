#include "session/UserLighting.h"

#include <array>
#include <string>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "session/LightingTransaction.h"

namespace keyloom {

namespace {

constexpr int kLedsPerWrite = 18;
static_assert(LED_COUNT % kLedsPerWrite == 0);
constexpr auto kBytesPerWrite = static_cast<uint8_t>(kLedsPerWrite * RGB_SIZE);

bool IsGKeyButton(size_t index) {
    return index >= KEY_BUTTON_COUNT && index < KEY_BUTTON_COUNT + G_KEY_BUTTON_COUNT;
}

// Calls visit(index, button) for every lighting button that has an LED.
template <typename Visit>
void ForEachLitButton(Visit visit) {
    const auto buttons = LightingButtons();
    for (size_t index = 0; index < buttons.size(); ++index) {
        if (HasLed(buttons[index])) {
            visit(index, buttons[index]);
        }
    }
}

UserLightingFile ProfileFile(const LightingContext& lighting) {
    return lighting.files.LightingFile(lighting.state.Profile());
}

bool IsPaintingUserMode(const LightingContext& lighting) {
    const int userItem = lighting.state.modes.ItemOfMode(MODE_USER);
    return lighting.state.view && userItem >= 0 && lighting.display.SelectedModeItem() == userItem;
}

DeviceResult WriteLedColor(LightingContext& lighting, int led, Color color) {
    std::array<uint8_t, RGB_SIZE> rgb{};
    WriteRgb(rgb.data(), color);
    return InLightingTransaction(lighting.exchange, [&] {
        return CmdWriteKeyColors(lighting.exchange, rgb.data(), RGB_SIZE, led,
                                 lighting.state.Profile());
    });
}

}  // namespace

DeviceResult PaintKey(LightingContext& lighting, int control) {
    const int index = LightingButtonIndexOfControl(control);
    if (index < 0 || !IsPaintingUserMode(lighting)) {
        return RESULT_BAD_ARGUMENT;
    }
    const KeyButton& button = LightingButtons()[static_cast<size_t>(index)];
    if (!HasLed(button)) {
        return RESULT_BAD_ARGUMENT;
    }
    LightingState& state = lighting.state;
    const int led = button.led;
    const bool follows = state.paint.tool == TOOL_BASE_COLOR;
    const Color color = follows ? state.paint.baseColor : state.paint.color;
    lighting.display.SetKeyFrame(control, true, color);
    const DeviceResult result = WriteLedColor(lighting, led, color);
    StoreLedColor(state.ProfileColors(), led, color);
    state.ProfileFlags()[static_cast<size_t>(index)] = follows;
    // A preset entry that cannot be saved is logged where the file is written; the keyboard shows
    // the colour all the same.
    (void)ProfileFile(lighting).WriteKeyColor(state.preset, led, {color, follows});
    return result;
}

DeviceResult UploadKeyColors(LightingContext& lighting) {
    const KeyColorTable& table = lighting.state.ProfileColors();
    return InLightingTransaction(lighting.exchange, [&] {
        DeviceResult result = RESULT_OK;
        for (int led = 0; led < LED_COUNT; led += kLedsPerWrite) {
            result = FirstFailure(
                result,
                CmdWriteKeyColors(lighting.exchange, &table[RGB_SIZE * static_cast<size_t>(led)],
                                  kBytesPerWrite, led, lighting.state.Profile()));
        }
        return result;
    });
}

DeviceResult SetBaseColor(LightingContext& lighting, Color color) {
    LightingState& state = lighting.state;
    if (color == state.paint.baseColor) {
        return RESULT_OK;
    }
    state.paint.baseColor = color;
    const UserLightingFile file = ProfileFile(lighting);
    (void)file.WritePresetSettings(state.preset, state.paint);  // logged where it is written
    ForEachLitButton([&](size_t index, const KeyButton& button) {
        if (state.ProfileFlags()[index]) {
            StoreLedColor(state.ProfileColors(), button.led, color);
            lighting.display.SetKeyFrame(button.control, true, color);
            (void)file.WriteKeyColor(state.preset, button.led, {color, true});  // logged there
        }
    });
    return UploadKeyColors(lighting);
}

DeviceResult LoadUserPreset(LightingContext& lighting) {
    LightingState& state = lighting.state;
    const UserLightingFile file = ProfileFile(lighting);
    state.preset = file.ReadPresetIndex();
    state.paint = file.ReadPresetSettings(state.preset);
    ForEachLitButton([&](size_t index, const KeyButton& button) {
        if (!IsGKeyButton(index)) {
            const KeyColorEntry entry = file.ReadKeyColor(state.preset, button.led);
            StoreLedColor(state.ProfileColors(), button.led, entry.color);
            state.ProfileFlags()[index] = entry.followsBase;
        }
    });
    return UploadKeyColors(lighting);
}

DeviceResult ReloadUserPresets(LightingContext& lighting) {
    const UserLightingFile file = ProfileFile(lighting);
    std::array<std::string, PRESET_COUNT> names;
    for (int preset = 0; preset < PRESET_COUNT; ++preset) {
        names[static_cast<size_t>(preset)] = file.ReadPresetName(preset);
    }
    lighting.display.FillPresetBox(names);
    return LoadUserPreset(lighting);
}

void RecomputeBaseColorFlags(LightingState& state) {
    for (size_t profile = 0; profile < LIGHTING_PROFILE_COUNT; ++profile) {
        const Color base = ReadRgb(&state.records[profile][LIGHT_BASE_COLOR]);
        BaseColorFlags& flags = state.followsBase[profile];
        flags.fill(false);
        ForEachLitButton([&](size_t index, const KeyButton& button) {
            flags[index] = LedColor(state.keyColors[profile], button.led) == base;
        });
    }
}

void ShowKeyColors(LightingContext& lighting) {
    const KeyColorTable& table = lighting.state.ProfileColors();
    for (const KeyButton& button : LightingButtons()) {
        lighting.display.SetKeyFrame(button.control, HasLed(button), LedColor(table, button.led));
    }
}

}  // namespace keyloom
