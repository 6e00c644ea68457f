#include "model/VkKeyTable.h"

#include "model/KeyCatalog.h"

namespace keyloom {
namespace {

constexpr uint8_t VK_NONE = 0xFF;

// Codes whose key is not simply the first catalog entry carrying them: the generic modifiers mean
// the left-hand keys, VK_SNAPSHOT means Print Screen rather than Sys Req, and mouse buttons,
// private codes of the pseudo functions and VK_NONE name no key.
struct VkRule {
    uint8_t first;
    uint8_t last;
    KeyIndex index;
};

constexpr VkRule kVkRules[] = {
    {0x01, 0x02, 0},    {0x04, 0x04, 0},    {0x10, 0x10, 0x2A},
    {0x11, 0x11, 0x1D}, {0x12, 0x12, 0x38}, {0x2C, 0x2C, 0xB7},
    {0x88, 0x8C, 0},    {0x97, 0x9F, 0},    {VK_NONE, VK_NONE, 0},
};

std::array<KeyIndex, 256> BuildVkKeyTable() {
    std::array<KeyIndex, 256> table{};
    for (KeyIndex index = kKeyCatalogSize - 1; index > 0; --index) {
        if (!IsEmptySlot(KeyCatalog[index])) {
            table[KeyCatalog[index].vk] = index;
        }
    }
    for (const VkRule& rule : kVkRules) {
        for (unsigned vk = rule.first; vk <= rule.last; ++vk) {
            table[vk] = rule.index;
        }
    }
    return table;
}

constexpr unsigned kScanCodeShift = 16;
constexpr uint32_t kScanCodeMask = 0x1FF;
constexpr ScanCode kRightShift = 0x036;

}  // namespace

const std::array<KeyIndex, 256>& VkKeyTable() {
    static const std::array<KeyIndex, 256> table = BuildVkKeyTable();
    return table;
}

ScanCode ScanCodeOfVk(uint8_t vk) {
    return ScanCodeOfIndex(VkKeyTable()[vk]);
}

ScanCode ScanCodeFromKeyMessage(uint8_t vk, uint32_t lParam) {
    const ScanCode s = static_cast<ScanCode>((lParam >> kScanCodeShift) & kScanCodeMask);
    const uint8_t lowByte = static_cast<uint8_t>(s);
    // Right Shift arrives under several virtual-key codes; its scan code alone identifies it.
    if (s == kRightShift || vk == VK_NONE) {
        return s;
    }
    if (lowByte == 0) {
        return ScanCodeOfVk(vk);
    }
    const KeyDescriptor& key = KeyCatalog[IndexOfScanCode(s)];
    if (key.vk == vk || key.twinVk == vk || VkKeyTable()[vk] == lowByte) {
        return s;
    }
    return ScanCodeOfVk(vk);
}

}  // namespace keyloom
