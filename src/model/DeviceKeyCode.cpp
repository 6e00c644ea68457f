#include "model/DeviceKeyCode.h"

#include "model/DeviceUsage.h"
#include "model/ModifierBits.h"

namespace keyloom {

namespace {

constexpr ScanCode kGKeyBase = 0x1FF;

ScanCode MouseScanCode(DeviceKeyCode code) {
    for (const MouseCode& mouse : MouseCodeTable) {
        if (mouse.code == code) {
            return mouse.scanCode;
        }
    }
    return 0;
}

}  // namespace

DeviceKeyCode CodeAt(const uint8_t* block, int position) {
    const uint8_t* at = block + 3 * position;
    return {at[0], at[1], at[2]};
}

void SetCodeAt(uint8_t* block, int position, DeviceKeyCode code) {
    uint8_t* at = block + 3 * position;
    at[0] = code.kind;
    at[1] = code.b1;
    at[2] = code.b2;
}

ScanCode ScanCodeOfDeviceKeyCode(DeviceKeyCode code) {
    const uint16_t usage = static_cast<uint16_t>(code.b1 | (code.b2 << 8));
    switch (code.kind) {
        case DEVICE_CODE_MOUSE:
            return MouseScanCode(code);
        case DEVICE_CODE_KEYBOARD:
            return code.b1 == KEYBOARD_USAGE ? ScanCodeOfDeviceUsage({kKeyboardPage, code.b2})
                                             : ModifierScanCode(code.b2);
        case DEVICE_CODE_CONSUMER:
            return ScanCodeOfDeviceUsage({kConsumerPage, usage});
        case DEVICE_CODE_DESKTOP:
            return ScanCodeOfDeviceUsage({kGenericDesktopPage, usage});
        case DEVICE_CODE_G_KEY:
            return code.b1 == G_KEY_MARK ? static_cast<ScanCode>(kGKeyBase + code.b2) : 0;
        default:
            return 0;
    }
}

}  // namespace keyloom
