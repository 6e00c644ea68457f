#include "model/ModifierBits.h"

#include <gtest/gtest.h>

#include "model/DeviceUsage.h"

namespace keyloom {
namespace {

// The modifier byte's bits follow the keyboard-page usages 0xE0 to 0xE7.
TEST(ModifierBitsTest, EachBitIsTheModifierKeyOfItsUsageAndTheLowestSetBitDecides) {
    for (unsigned position = 0; position < 8; ++position) {
        const uint8_t bit = static_cast<uint8_t>(1u << position);
        const ScanCode code = ModifierScanCode(bit);
        EXPECT_EQ(DeviceUsageOf(code), (DeviceUsage{kKeyboardPage, uint16_t(0xE0 + position)}));
        EXPECT_EQ(ModifierBitOf(code), bit);
    }
    EXPECT_EQ(ModifierScanCode(0x22), 0x02A);  // Left Shift before Right Shift
    EXPECT_EQ(ModifierScanCode(0xC0), 0x138);
    EXPECT_EQ(ModifierScanCode(0x00), 0);
    EXPECT_EQ(ModifierBitOf(0x01E), 0);
}

}  // namespace
}  // namespace keyloom
