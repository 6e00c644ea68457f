#pragma once

// The main window's keyboard buttons that take part in the lighting: the 105 key buttons in their
// fixed order, the nine G-key buttons and Fn, each with its control id, its key and its LED.

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/ScanCode.h"

namespace keyloom {

inline constexpr int LED_COUNT = 126;  // LEDs 0 to 125 of a key colour table
inline constexpr uint8_t NO_LED = 255;
inline constexpr uint8_t G_KEY_LED = 125;  // all nine G keys share it
inline constexpr uint8_t FN_LED = 70;
inline constexpr uint16_t FN_CONTROL = 1174;

inline constexpr size_t KEY_BUTTON_COUNT = 105;
inline constexpr size_t G_KEY_BUTTON_COUNT = 9;
// Key buttons, then G-key buttons, then Fn.
inline constexpr size_t LIGHTING_BUTTON_COUNT = KEY_BUTTON_COUNT + G_KEY_BUTTON_COUNT + 1;

struct KeyButton {
    uint16_t control;  // dialog control id
    ScanCode code;     // 0 for the G keys and Fn, which have no key of their own
    uint8_t led;       // NO_LED when the key has no LED in the colour table
};

inline constexpr bool HasLed(const KeyButton& button) {
    return button.led < LED_COUNT;
}

// All LIGHTING_BUTTON_COUNT buttons; a button's position here is its lighting button index.
std::span<const KeyButton> LightingButtons();
// The 105 key buttons; position = the key button table's position.
std::span<const KeyButton> KeyButtons();
// G1 to G9.
std::span<const KeyButton> GKeyButtons();

// Lighting button index of a control, -1 when the control is none of them.
int LightingButtonIndexOfControl(int control);
// Position of a key among the 105 key buttons, -1 when it has no key button.
int KeyButtonIndexOfScanCode(ScanCode code);

}  // namespace keyloom
