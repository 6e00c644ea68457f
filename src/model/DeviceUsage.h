#pragma once

// A key as the keyboard reports or stores it: a usage page and a usage, turned into the catalog's
// deviceCode and back.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/ScanCode.h"

namespace keyloom {

struct DeviceUsage {
    uint16_t page;
    uint16_t usage;

    bool operator==(const DeviceUsage&) const = default;
};

inline constexpr uint16_t kNoUsagePage = 0;
inline constexpr uint16_t kGenericDesktopPage = 1;
// Not a HID page: the tool's own page for the mouse functions (device codes 0xF1 to 0xF8).
inline constexpr uint16_t kMouseFunctionPage = 2;
inline constexpr uint16_t kKeyboardPage = 7;
inline constexpr uint16_t kConsumerPage = 12;

// Device code 0xC0 + n stands for the consumer usage at position n. The keyboard's tables have 32
// such positions; only these first 18 hold a usage.
inline constexpr uint8_t kFirstConsumerDeviceCode = 0xC0;
inline constexpr std::array<uint16_t, 18> ConsumerUsageTable = {
    0x00E9, 0x00EA, 0x0183, 0x018A, 0x0192, 0x0194, 0x0221, 0x0223, 0x0224,
    0x0225, 0x0226, 0x0227, 0x022A, 0x00E2, 0x00CD, 0x00B7, 0x00B6, 0x00B5,
};

// Page 0, usage 0 for a key without a device code.
DeviceUsage DeviceUsageOf(ScanCode code);

// 0 when no catalog entry has the device code of the pair. A keyboard-page usage matches only
// keys whose own page is the keyboard page.
ScanCode ScanCodeOfDeviceUsage(DeviceUsage deviceUsage);

}  // namespace keyloom
