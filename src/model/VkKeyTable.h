#pragma once

// From the virtual-key codes of keyboard messages to keys: the inverse of the catalog's vk column
// and the attribution of one keyboard message to a key.

#include <array>
#include <cstdint>

#include "model/ScanCode.h"

namespace keyloom {

// KeyIndex by virtual-key code, 0 for none. Built from the catalog on first use.
const std::array<KeyIndex, 256>& VkKeyTable();

ScanCode ScanCodeOfVk(uint8_t vk);

// The key of a keyboard message: bits 16 to 24 of lParam carry the scan code with the extended
// bit; it wins over the virtual-key code whenever the two belong to the same key.
ScanCode ScanCodeFromKeyMessage(uint8_t vk, uint32_t lParam);

}  // namespace keyloom
