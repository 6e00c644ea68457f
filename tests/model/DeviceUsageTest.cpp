#include "model/DeviceUsage.h"

#include <gtest/gtest.h>

#include "model/DefaultKeyMatrix.h"
#include "model/KeyBlockCodec.h"
#include "model/KeyCatalog.h"
#include "model/MacroArea.h"

namespace keyloom {
namespace {

TEST(DeviceUsageTest, DeviceCodesReadAsTheirPages) {
    EXPECT_EQ(DeviceUsageOf(0x120), (DeviceUsage{kKeyboardPage, 0xCD}));  // Mute: consumer slot
    EXPECT_EQ(DeviceUsageOf(0x15E), (DeviceUsage{kGenericDesktopPage, 0x81}));  // Power
    EXPECT_EQ(DeviceUsageOf(0x163), (DeviceUsage{kGenericDesktopPage, 0x83}));  // Wake
    EXPECT_EQ(DeviceUsageOf(0x162), (DeviceUsage{kMouseFunctionPage, 0xF5}));
    EXPECT_EQ(DeviceUsageOf(0x176), (DeviceUsage{kNoUsagePage, 0}));  // Copy
    EXPECT_EQ(DeviceUsageOf(0x204), (DeviceUsage{kNoUsagePage, 0}));  // not D's slot 0x04
}

TEST(DeviceUsageTest, UsagesLeadToTheFirstKeyWithTheirDeviceCode) {
    EXPECT_EQ(ScanCodeOfDeviceUsage({kKeyboardPage, 0xE5}), 0x036);
    EXPECT_EQ(ScanCodeOfDeviceUsage({kKeyboardPage, 0xD2}), 0x174);  // Zoom-
    EXPECT_EQ(ScanCodeOfDeviceUsage({kConsumerPage, 0x00E9}), 0x130);
    EXPECT_EQ(ScanCodeOfDeviceUsage({kConsumerPage, 0x0192}), 0x121);  // Calc
    EXPECT_EQ(ScanCodeOfDeviceUsage({kConsumerPage, 0x022E}), 0);
    EXPECT_EQ(ScanCodeOfDeviceUsage({kGenericDesktopPage, 0x84}), 0);
    EXPECT_EQ(ScanCodeOfDeviceUsage({kGenericDesktopPage, 0x04}), 0);
    EXPECT_EQ(ScanCodeOfDeviceUsage({kMouseFunctionPage, 0xF1}), 0);
    EXPECT_EQ(ScanCodeOfDeviceUsage({kKeyboardPage, 0x1E5}), 0);
}

TEST(DeviceUsageTest, EveryKeyWithAKeyboardOrSystemUsageComesBackFromIt) {
    for (KeyIndex index = 0; index < kKeyCatalogSize; ++index) {
        const ScanCode code = ScanCodeOfIndex(index);
        const DeviceUsage usage = DeviceUsageOf(code);
        if (usage.page == kKeyboardPage || usage.page == kGenericDesktopPage) {
            const ScanCode back = ScanCodeOfDeviceUsage(usage);
            EXPECT_TRUE(back == code || (code == 0x136 && back == 0x036) ||
                        (code == 0x146 && back == 0x045))  // the twins lead to the first
                << code;
        }
    }
    for (size_t slot = 0; slot < ConsumerUsageTable.size(); ++slot) {
        const ScanCode code = ScanCodeOfDeviceUsage({kConsumerPage, ConsumerUsageTable[slot]});
        EXPECT_EQ(DeviceUsageOf(code), (DeviceUsage{kKeyboardPage, uint16_t(0xC0 + slot)})) << slot;
    }
}

// Code 02 02 u read from the keyboard at key A's position of a key table, then written back.
DeviceKeyCode KeyTableRoundTrip(uint8_t usage) {
    constexpr int kPositionOfA = 19;
    const KeyBlockBytes& factory = BuiltInDefaultKeyMatrix();
    KeyBlockBytes read = factory;
    SetCodeAt(read.data(), kPositionOfA, {DEVICE_CODE_KEYBOARD, KEYBOARD_USAGE, usage});
    std::vector<uint8_t> image(ASSIGNMENT_TABLE_SIZE);
    AssignmentTable table(image);
    DecodeKeyBlock(table, 0, read.data(), factory);
    return CodeAt(EncodeKeyBlock(table, 0, factory, {}).data(), kPositionOfA);
}

// A press of 02 02 u as the one event of a macro read from the keyboard, then written back:
// the event's kind and code bytes.
DeviceKeyCode MacroEventRoundTrip(uint8_t usage) {
    const std::vector<uint8_t> read = {0xAA, 0x55, 26, 0,  1, 0, 0, 0, 0, 0,    0,    0,    0,
                                       0,    0,    0,  18, 0, 1, 0, 1, 0, 0x00, 0xA0, 0x02, usage};
    const MacroList macros = DecodeMacroArea(read, "M");
    const std::vector<uint8_t> written =
        EncodeMacroArea(macros, MacroAreaSizes(macros).minimal, false);
    if (macros.size() != 1 || written.size() != read.size()) {
        return {0xEE, 0xEE, 0xEE};
    }
    return {static_cast<uint8_t>((written[23] >> 4) & 0x7), written[24], written[25]};
}

// Keyboard-page usages that are the device codes of keys of other pages (system control, mouse
// functions) or of no key: read from the keyboard and written back, they name no key at all.
TEST(DeviceUsageTest, KeyboardPageUsagesNeverBecomeAKeyOfAnotherPage) {
    for (const uint8_t usage : {0x00, 0x81, 0x82, 0x83, 0xF1, 0xF3, 0xF4, 0xF5, 0xF8, 0xFF}) {
        EXPECT_EQ(KeyTableRoundTrip(usage), NO_FUNCTION_CODE) << std::hex << int(usage);
        EXPECT_EQ(MacroEventRoundTrip(usage), NO_FUNCTION_CODE) << std::hex << int(usage);
    }
    // Keys of the keyboard page, the consumer slots among them, still come back as themselves.
    for (const uint8_t usage : {0x05, 0x2C, 0xC0}) {
        const DeviceKeyCode code{DEVICE_CODE_KEYBOARD, KEYBOARD_USAGE, usage};
        EXPECT_EQ(KeyTableRoundTrip(usage), code) << std::hex << int(usage);
        EXPECT_EQ(MacroEventRoundTrip(usage), code) << std::hex << int(usage);
    }
}

}  // namespace
}  // namespace keyloom
