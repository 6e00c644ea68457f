#include "model/DeviceUsage.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "model/KeyCatalog.h"

namespace keyloom {
namespace {

// Device codes outside these ranges read as keyboard-page usages, the consumer slots 0xC0 to 0xDF
// included: the keyboard's key tables hold those as keyboard-page codes.
struct DeviceCodeClass {
    uint8_t first;
    uint8_t last;
    uint16_t page;
};

constexpr DeviceCodeClass kDeviceCodeClasses[] = {
    {0x00, 0x00, kNoUsagePage},
    {0x81, 0x83, kGenericDesktopPage},
    {0xF1, 0xF8, kMouseFunctionPage},
    {0xFF, 0xFF, kNoUsagePage},
};

uint16_t PageOfDeviceCode(uint8_t deviceCode) {
    for (const DeviceCodeClass& deviceClass : kDeviceCodeClasses) {
        if (deviceCode >= deviceClass.first && deviceCode <= deviceClass.last) {
            return deviceClass.page;
        }
    }
    return kKeyboardPage;
}

constexpr uint16_t kFirstSystemControl = 0x81;
constexpr uint16_t kLastSystemControl = 0x83;

std::optional<uint16_t> SystemControlDeviceCode(uint16_t usage) {
    if (usage < kFirstSystemControl || usage > kLastSystemControl) {
        return std::nullopt;
    }
    return usage;
}

// A keyboard-page usage names only keys of that page: 0x81 is no Power key and 0xF1 no left
// button, although those keys have these numbers as their device codes.
std::optional<uint16_t> KeyboardDeviceCode(uint16_t usage) {
    if (usage > UINT8_MAX || PageOfDeviceCode(static_cast<uint8_t>(usage)) != kKeyboardPage) {
        return std::nullopt;
    }
    return usage;
}

std::optional<uint16_t> ConsumerDeviceCode(uint16_t usage) {
    const auto found = std::find(ConsumerUsageTable.begin(), ConsumerUsageTable.end(), usage);
    if (found == ConsumerUsageTable.end()) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(kFirstConsumerDeviceCode + (found - ConsumerUsageTable.begin()));
}

std::optional<uint16_t> DeviceCodeOfUsage(DeviceUsage deviceUsage) {
    switch (deviceUsage.page) {
        case kKeyboardPage:
            return KeyboardDeviceCode(deviceUsage.usage);
        case kGenericDesktopPage:
            return SystemControlDeviceCode(deviceUsage.usage);
        case kConsumerPage:
            return ConsumerDeviceCode(deviceUsage.usage);
        default:
            return std::nullopt;
    }
}

}  // namespace

DeviceUsage DeviceUsageOf(ScanCode code) {
    const uint8_t deviceCode = EntryOfScanCode(code).deviceCode;
    const uint16_t page = PageOfDeviceCode(deviceCode);
    return {page, page == kNoUsagePage ? uint16_t{0} : uint16_t{deviceCode}};
}

ScanCode ScanCodeOfDeviceUsage(DeviceUsage deviceUsage) {
    const std::optional<uint16_t> deviceCode = DeviceCodeOfUsage(deviceUsage);
    if (!deviceCode) {
        return 0;
    }
    const std::optional<KeyIndex> index = FirstKeyIndexWhere(
        [&deviceCode](const KeyDescriptor& key) { return key.deviceCode == *deviceCode; });
    return index ? ScanCodeOfIndex(*index) : 0;
}

}  // namespace keyloom
