#include "model/KeyCatalog.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string_view>

namespace keyloom {
namespace {

constexpr ScanCode kRightShiftTwin = 0x136;  // Right Shift sent as E0 36
constexpr ScanCode kBreak = 0x146;           // shares Pause's device code
constexpr ScanCode kNumEnter = 0x11C;        // shares Enter's vk
constexpr ScanCode kPrintScreen = 0x137;     // shares Sys Req's vk
constexpr uint8_t kNoVk = 0xFF;
constexpr uint8_t kVkClear = 0x0C;

TEST(KeyCatalogTest, HoldsTheUsedEntriesAndBlankEmptySlots) {
    int used = 0;
    int twinVks = 0;
    for (KeyIndex index = 0; index < kKeyCatalogSize; ++index) {
        const KeyDescriptor& key = KeyCatalog[index];
        used += IsEmptySlot(key) ? 0 : 1;
        if (IsEmptySlot(key)) {
            EXPECT_TRUE(key.vk == 0 && key.twinVk == 0 && key.deviceCode == 0 &&
                        key.label.empty() && key.textKey.empty())
                << index;
        } else if (key.twinVk != key.vk) {
            ++twinVks;
            // The navigation keys send the keypad's make codes with E0; Num 5 has no such key.
            const ScanCode navigation = ScanCodeOfIndex(index) + kExtendedKey;
            EXPECT_EQ(key.twinVk, index == 0x4C ? kVkClear : EntryOfScanCode(navigation).vk)
                << index;
        }
    }
    EXPECT_EQ(used, 157);
    EXPECT_EQ(twinVks, 11);
    EXPECT_TRUE(IsEmptySlot(KeyCatalog[0]));
}

TEST(KeyCatalogTest, ListCodesCoverTheKeyListMouseFunctionsAndSpecialFunctions) {
    std::map<uint16_t, int> uses;
    for (const KeyDescriptor& key : KeyCatalog) {
        uses[key.listCode] += IsEmptySlot(key) ? 0 : 1;
    }
    for (uint16_t code = 0; code < kKeyListLength; ++code) {
        EXPECT_EQ(uses[code], code == 0x0067 ? 2 : 1) << code;
        const KeyDescriptor& key = KeyCatalog[*KeyIndexOfListCode(code)];
        EXPECT_TRUE(key.deviceCode >= 0x04 && key.deviceCode <= 0xE7 && !key.textKey.empty());
    }
    for (uint16_t code = 0x006B; code <= 0x006F; ++code) {
        EXPECT_EQ(KeyCatalog[*KeyIndexOfListCode(code)].deviceCode, 0xF1 + (code - 0x006B));
    }
    for (uint16_t code = 0x8001; code <= 0x802D; ++code) {
        EXPECT_EQ(uses[code], 1) << code;
    }
    EXPECT_EQ(uses.size(), kKeyListLength + 5 + 0x2D + 1u);  // the empty slots' code included
}

TEST(KeyCatalogTest, OnlyTheTwinsRepeatAVkDeviceCodeLabelOrTextKey) {
    std::set<uint8_t> vks;
    std::set<uint8_t> deviceCodes;
    std::set<std::string_view> labels;
    std::set<std::string_view> textKeys;
    for (KeyIndex index = 1; index < kKeyCatalogSize; ++index) {
        const KeyDescriptor& key = KeyCatalog[index];
        const ScanCode code = ScanCodeOfIndex(index);
        if (IsEmptySlot(key) || code == kRightShiftTwin) {
            continue;
        }
        EXPECT_TRUE(labels.insert(key.label).second) << key.label;
        EXPECT_TRUE(key.vk == kNoVk || code == kNumEnter || code == kPrintScreen ||
                    vks.insert(key.vk).second)
            << code;
        if (key.label.size() == 1 && std::isalnum(static_cast<unsigned char>(key.label[0]))) {
            EXPECT_EQ(key.vk, key.label[0]) << key.label;  // letters and digits are their vk
        }
        EXPECT_TRUE(key.textKey.empty() || textKeys.insert(key.textKey).second) << key.textKey;
        EXPECT_TRUE(key.deviceCode == 0 || code == kBreak ||
                    deviceCodes.insert(key.deviceCode).second)
            << code;
    }
    const KeyDescriptor& twin = EntryOfScanCode(kRightShiftTwin);
    const KeyDescriptor& rightShift = EntryOfScanCode(0x036);
    EXPECT_TRUE(twin.vk == rightShift.vk && twin.listCode == rightShift.listCode &&
                twin.deviceCode == rightShift.deviceCode);
    EXPECT_EQ(EntryOfScanCode(kBreak).deviceCode, EntryOfScanCode(0x045).deviceCode);
}

TEST(KeyCatalogTest, KeyIndexAndScanCodeConvertBothWays) {
    for (KeyIndex index = 0; index < kKeyCatalogSize; ++index) {
        EXPECT_EQ(IndexOfScanCode(ScanCodeOfIndex(index)), index);
    }
    EXPECT_EQ(IndexOfScanCode(0x145), 0xC5);  // Num Lock
    EXPECT_EQ(IndexOfScanCode(0x045), 0x45);  // Pause
    EXPECT_EQ(IndexOfScanCode(kBreak), 0xC6);
    EXPECT_EQ(ScanCodeOfIndex(0x7F), 0x07F);
    EXPECT_EQ(ScanCodeOfIndex(0x80), 0x100);
    EXPECT_EQ(IndexOfScanCode(0x1FF), 0x7F);  // codes that never occur wrap into the table
    EXPECT_EQ(IndexOfScanCode(0x200), 0x100);
    EXPECT_EQ(IndexOfScanCode(0x2FF), 0x1FF);
}

TEST(KeyCatalogTest, ListCodesLeadBackToTheLowestKey) {
    for (uint16_t code = 0; code < kKeyListLength; ++code) {
        EXPECT_EQ(ListCodeOf(ScanCodeOfListCode(code)), code);
    }
    EXPECT_EQ(ListCodeOf(kRightShiftTwin), 0x0067);
    EXPECT_EQ(ScanCodeOfListCode(0x0067), 0x036);
    EXPECT_EQ(ScanCodeOfListCode(0x006A), 0);
    EXPECT_EQ(ListCodeOf(0x171), 0x006B);
    EXPECT_EQ(ListCodeOf(0x059), kEmptyListCode);
    // An assignment-only code names no key; its low byte must not be read as A's slot 0x1E.
    EXPECT_EQ(ListCodeOf(0x21E), kEmptyListCode);
}

}  // namespace
}  // namespace keyloom
