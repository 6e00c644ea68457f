#pragma once

// The modifier byte of a HID keyboard report: one bit per modifier key.

#include <array>
#include <cstdint>

#include "model/ScanCode.h"

namespace keyloom {

struct ModifierKey {
    uint8_t bit;
    ScanCode code;
};

// In the bit order of the modifier byte.
inline constexpr std::array<ModifierKey, 8> ModifierKeyTable = {{
    {0x01, 0x01D},  // Left Ctrl
    {0x02, 0x02A},  // Left Shift
    {0x04, 0x038},  // Left Alt
    {0x08, 0x15B},  // Left Win
    {0x10, 0x11D},  // Right Ctrl
    {0x20, 0x036},  // Right Shift
    {0x40, 0x138},  // Right Alt
    {0x80, 0x15C},  // Right Win
}};

// The key of the lowest set bit; 0 for an empty mask.
constexpr ScanCode ModifierScanCode(uint8_t mask) {
    for (const ModifierKey& modifier : ModifierKeyTable) {
        if ((mask & modifier.bit) != 0) {
            return modifier.code;
        }
    }
    return 0;
}

// The bit of a modifier key; 0 for any other key.
constexpr uint8_t ModifierBitOf(ScanCode code) {
    for (const ModifierKey& modifier : ModifierKeyTable) {
        if (modifier.code == code) {
            return modifier.bit;
        }
    }
    return 0;
}

}  // namespace keyloom
