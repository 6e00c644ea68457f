#pragma once

// The tool's identity of a key (ScanCode) and its position in the key catalog (KeyIndex).

#include <cstdint>

namespace keyloom {

// Set-1 make code of a key, 0x100 added for E0-prefixed keys; fixed codes in the free part of the
// E0 range for the mouse functions and the pseudo functions; 0 for none. Codes 0x200 to 0x2FF are
// no keys: they name the upper half of the 512-slot assignment tables.
using ScanCode = uint16_t;

// Position in the key catalog (0 to 255). IndexOfScanCode also yields the assignment slots 0x100
// to 0x1FF for the codes 0x200 to 0x2FF, hence 16 bits.
using KeyIndex = uint16_t;

inline constexpr ScanCode kExtendedKey = 0x100;
inline constexpr ScanCode kFirstAssignmentOnlyCode = 0x200;
// E0 keys fold onto the catalog's upper half, whose low part set-1 make codes never reach.
inline constexpr ScanCode kExtendedIndexShift = 0x80;

constexpr KeyIndex IndexOfScanCode(ScanCode code) {
    if (code < kExtendedKey) {
        return code;
    }
    if (code < kFirstAssignmentOnlyCode) {
        return static_cast<KeyIndex>((code - kExtendedIndexShift) & 0xFF);
    }
    return static_cast<KeyIndex>(code - kExtendedKey);
}

constexpr ScanCode ScanCodeOfIndex(KeyIndex index) {
    return index < kExtendedIndexShift ? index : static_cast<ScanCode>(index + kExtendedIndexShift);
}

}  // namespace keyloom
