#include "model/DeviceUsage.h"

#include <gtest/gtest.h>

#include "model/KeyCatalog.h"

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

}  // namespace
}  // namespace keyloom
