#include "model/VkKeyTable.h"

#include <gtest/gtest.h>

#include "model/KeyCatalog.h"

namespace keyloom {
namespace {

constexpr uint8_t VK_CLEAR = 0x0C;
constexpr uint8_t VK_SHIFT = 0x10;
constexpr uint8_t VK_CONTROL = 0x11;
constexpr uint8_t VK_MENU = 0x12;
constexpr uint8_t VK_SNAPSHOT = 0x2C;
constexpr uint8_t VK_HOME = 0x24;

// A key-up message's lParam: the scan code with its extended bit, and the transition bits.
uint32_t KeyUp(ScanCode s) {
    return 0xC0000001u | (static_cast<uint32_t>(s) << 16);
}

TEST(VkKeyTableTest, EachCodeLeadsToTheLowestEntryCarryingItUnlessARuleSaysOtherwise) {
    const auto& table = VkKeyTable();
    for (KeyIndex index = 1; index < kKeyCatalogSize; ++index) {
        const uint8_t vk = KeyCatalog[index].vk;
        if (!IsEmptySlot(KeyCatalog[index]) && table[vk] != 0 && vk != VK_SNAPSHOT) {
            EXPECT_LE(table[vk], index) << index;
            EXPECT_EQ(KeyCatalog[table[vk]].vk, vk) << index;
        }
    }
    EXPECT_EQ(ScanCodeOfVk(0x0D), 0x01C);  // VK_RETURN: the main Enter
    EXPECT_EQ(ScanCodeOfVk(0xA1), 0x036);  // VK_RSHIFT
    EXPECT_EQ(ScanCodeOfVk(VK_SHIFT), 0x02A);
    EXPECT_EQ(ScanCodeOfVk(VK_CONTROL), 0x01D);
    EXPECT_EQ(ScanCodeOfVk(VK_MENU), 0x038);
    EXPECT_EQ(ScanCodeOfVk(VK_SNAPSHOT), 0x137);
    const uint8_t withoutKey[] = {0x01, 0x02, 0x04, 0x88, 0x8C, 0x97, 0x9F, 0xFF, VK_CLEAR};
    for (uint8_t vk : withoutKey) {
        EXPECT_EQ(ScanCodeOfVk(vk), 0) << int{vk};
    }
}

TEST(VkKeyTableTest, KeyMessagesKeepAScanCodeThatBelongsToTheirVirtualKey) {
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_HOME, KeyUp(0x047)), 0x047);  // keypad, Num Lock off
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_HOME, KeyUp(0x147)), 0x147);
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_CLEAR, KeyUp(0x04C)), 0x04C);
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_CONTROL, KeyUp(0x11D)), 0x11D);
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_SHIFT, KeyUp(0x036)), 0x036);
    EXPECT_EQ(ScanCodeFromKeyMessage(0xFF, KeyUp(0x173)), 0x173);
}

TEST(VkKeyTableTest, KeyMessagesWithoutAFittingScanCodeGoToTheVirtualKey) {
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_SHIFT, 0), 0x02A);
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_SNAPSHOT, 0), 0x137);
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_SNAPSHOT, KeyUp(0x100)), 0x137);
    EXPECT_EQ(ScanCodeFromKeyMessage(0x41, KeyUp(0x030)), 0x01E);  // 'A' with B's scan code
    EXPECT_EQ(ScanCodeFromKeyMessage(VK_CLEAR, KeyUp(0x030)), 0);
}

}  // namespace
}  // namespace keyloom
