#pragma once

// The fixed table of every key and key-like function the tool can show, assign, record or send,
// indexed by KeyIndex, and the lookups over it that need no texts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/ScanCode.h"

namespace keyloom {

inline constexpr size_t kKeyCatalogSize = 256;

// listCode of an empty slot. List codes 0 to 105 are the positions in the editors' key list.
inline constexpr uint16_t kEmptyListCode = 0xFFFF;
inline constexpr uint16_t kKeyListLength = 106;

struct KeyDescriptor {
    uint8_t vk;                // Windows virtual-key code; 0xFF where Windows has none
    uint16_t listCode;         // key list position; 0x6B-0x6F mouse, 0x8001 up special functions
    std::string_view label;    // fixed English label; shown names come from textKey
    uint8_t twinVk;            // virtual-key code while Num Lock is off; vk outside the keypad
    uint8_t deviceCode;        // the key's code in the keyboard's own tables, 0 for none
    std::string_view textKey;  // language key of the display name, empty for none
};

inline constexpr KeyDescriptor kEmptySlot{0, kEmptyListCode, "", 0, 0, ""};

extern const std::array<KeyDescriptor, kKeyCatalogSize> KeyCatalog;

inline bool IsEmptySlot(const KeyDescriptor& key) {
    return key.listCode == kEmptyListCode;
}

// The entry of a ScanCode; codes of 0x200 and above name no key and read as an empty slot.
const KeyDescriptor& EntryOfScanCode(ScanCode code);

// Lookups by list code and by device code scan the catalog from KeyIndex 0 upward.
template <typename Predicate>
std::optional<KeyIndex> FirstKeyIndexWhere(Predicate matches) {
    for (KeyIndex index = 0; index < kKeyCatalogSize; ++index) {
        if (matches(KeyCatalog[index])) {
            return index;
        }
    }
    return std::nullopt;
}

// kEmptyListCode for an empty slot.
uint16_t ListCodeOf(ScanCode code);

// The lowest KeyIndex with this list code.
std::optional<KeyIndex> KeyIndexOfListCode(uint16_t listCode);

// The key of the lowest KeyIndex with this list code, 0 when none has it.
ScanCode ScanCodeOfListCode(uint16_t listCode);

}  // namespace keyloom
