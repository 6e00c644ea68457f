#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/ScanCode.h"

namespace keyloom {

// How the keyboard knows a key function: a kind byte and two bytes whose meaning depends on it.
struct DeviceKeyCode {
    uint8_t kind = 0;
    uint8_t b1 = 0;
    uint8_t b2 = 0;
    friend bool operator==(const DeviceKeyCode&, const DeviceKeyCode&) = default;
};

inline constexpr uint8_t DEVICE_CODE_MOUSE = 0x01;
inline constexpr uint8_t DEVICE_CODE_KEYBOARD = 0x02;
inline constexpr uint8_t DEVICE_CODE_CONSUMER = 0x03;
inline constexpr uint8_t DEVICE_CODE_DESKTOP = 0x04;
inline constexpr uint8_t DEVICE_CODE_SPECIAL = 0x05;
inline constexpr uint8_t DEVICE_CODE_G_KEY = 0x06;

inline constexpr uint8_t KEYBOARD_MODIFIER = 0x01;  // second byte: 02 01 bit
inline constexpr uint8_t KEYBOARD_USAGE = 0x02;     // second byte: 02 02 usage
inline constexpr uint8_t SPECIAL_PLAY_MACRO = 0x01;
inline constexpr uint8_t SPECIAL_STOP_MACRO = 0x02;
inline constexpr uint8_t SPECIAL_FUNCTION = 0x05;
inline constexpr uint8_t G_KEY_MARK = 0xA2;

inline constexpr DeviceKeyCode NO_FUNCTION_CODE{};

// A key table of the keyboard: 126 positions of three bytes.
inline constexpr int KEY_BLOCK_POSITIONS = 126;
inline constexpr size_t KEY_BLOCK_BYTES = 3 * KEY_BLOCK_POSITIONS;
using KeyBlockBytes = std::array<uint8_t, KEY_BLOCK_BYTES>;

DeviceKeyCode CodeAt(const uint8_t* block, int position);
void SetCodeAt(uint8_t* block, int position, DeviceKeyCode code);

// The mouse buttons and wheel steps and their codes (kind 0x01).
struct MouseCode {
    DeviceKeyCode code;
    ScanCode scanCode;
};
inline constexpr std::array<MouseCode, 5> MouseCodeTable = {{
    {{DEVICE_CODE_MOUSE, 0x01, 0x01}, 0x171},  // left button
    {{DEVICE_CODE_MOUSE, 0x01, 0x02}, 0x172},  // right button
    {{DEVICE_CODE_MOUSE, 0x01, 0x04}, 0x173},  // middle button
    {{DEVICE_CODE_MOUSE, 0x05, 0x01}, 0x161},  // wheel up
    {{DEVICE_CODE_MOUSE, 0x05, 0xFF}, 0x162},  // wheel down
}};

// The key a code names, 0 when it names none (macro, special and empty codes among them). G-key
// codes 06 A2 n give 0x1FF + n, the codes of the G-key assignment slots.
ScanCode ScanCodeOfDeviceKeyCode(DeviceKeyCode code);

}  // namespace keyloom
