#include "model/KeyBlockCodec.h"

#include <bit>

#include "model/DeviceUsage.h"
#include "model/MediaFunctionTable.h"
#include "model/ModifierBits.h"

namespace keyloom {

namespace {

DeviceKeyCode KeyCodeOf(ScanCode target) {
    if (const uint8_t bit = ModifierBitOf(target)) {
        return {DEVICE_CODE_KEYBOARD, KEYBOARD_MODIFIER, bit};
    }
    for (const MouseCode& mouse : MouseCodeTable) {
        if (mouse.scanCode == target) {
            return mouse.code;
        }
    }
    // Keys the keyboard's key page cannot name (Power, Sleep, Wake) become a key of usage 0.
    const DeviceUsage usage = DeviceUsageOf(target);
    const uint8_t code = usage.page == kKeyboardPage ? static_cast<uint8_t>(usage.usage) : 0;
    return {DEVICE_CODE_KEYBOARD, KEYBOARD_USAGE, code};
}

DeviceKeyCode MediaCodeOf(uint32_t row, DeviceKeyCode factory) {
    if (row >= MediaFunctionTable.size()) {
        return factory;  // a damaged record keeps the key as it left the factory
    }
    const uint16_t usage = MediaFunctionTable[row].consumerUsage;
    return {DEVICE_CODE_CONSUMER, static_cast<uint8_t>(usage), static_cast<uint8_t>(usage >> 8)};
}

int MediaRowOfUsage(uint16_t usage) {
    for (size_t row = 0; row < MediaFunctionTable.size(); ++row) {
        if (MediaFunctionTable[row].consumerUsage == usage) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

// What a code read from the keyboard means for the key at its position.
KeyAssignment DecodeCode(DeviceKeyCode code, KeyAssignment record) {
    record.kind = ASSIGN_DISABLED;
    record.value = 0;
    const auto assign = [&](uint16_t kind, uint32_t value) {
        record.kind = kind;
        record.value = value;
    };
    switch (code.kind) {
        case DEVICE_CODE_SPECIAL:
            if (code.b1 == SPECIAL_PLAY_MACRO) {
                assign(ASSIGN_MACRO, code.b2 + 1u);  // macro ids are positions + 1
            } else if (code.b1 == SPECIAL_STOP_MACRO) {
                assign(ASSIGN_STOP_MACRO, 0);
            } else if (code.b1 == SPECIAL_FUNCTION) {
                assign(ASSIGN_FUNCTION, code.b2);
            }
            break;
        case DEVICE_CODE_CONSUMER:
            if (const int row = MediaRowOfUsage(static_cast<uint16_t>(code.b1 | code.b2 << 8));
                row >= 0) {
                assign(ASSIGN_MEDIA, static_cast<uint32_t>(row));
            }
            break;
        case DEVICE_CODE_KEYBOARD:
            // A modifier code names one key only with one bit: Ctrl+Alt is no key of the tool's,
            // and taking its first bit would write Ctrl alone back.
            if (code.b1 == KEYBOARD_MODIFIER ? !std::has_single_bit(code.b2)
                                             : code.b1 != KEYBOARD_USAGE) {
                break;
            }
            [[fallthrough]];
        case DEVICE_CODE_MOUSE:
            if (const ScanCode target = ScanCodeOfDeviceKeyCode(code); target != 0) {
                assign(ASSIGN_KEY, target);
            }
            break;
        default:
            break;
    }
    return record;
}

}  // namespace

DeviceKeyCode EncodeAssignment(const KeyAssignment& record, DeviceKeyCode factory,
                               const MacroPositionLookup& macroPosition) {
    switch (record.kind) {
        case ASSIGN_DISABLED:
        case ASSIGN_TEXT:
            return NO_FUNCTION_CODE;
        case ASSIGN_KEY:
            return KeyCodeOf(static_cast<ScanCode>(record.value));
        case ASSIGN_MACRO:
            return {DEVICE_CODE_SPECIAL, SPECIAL_PLAY_MACRO,
                    static_cast<uint8_t>(macroPosition ? macroPosition(record.value) : 0)};
        case ASSIGN_STOP_MACRO:
            return {DEVICE_CODE_SPECIAL, SPECIAL_STOP_MACRO, 0};
        case ASSIGN_MEDIA:
            return MediaCodeOf(record.value, factory);
        case ASSIGN_FUNCTION:
            return {DEVICE_CODE_SPECIAL, SPECIAL_FUNCTION, static_cast<uint8_t>(record.value)};
        default:  // the factory function, program keys and kinds the tool does not know
            return factory;
    }
}

KeyBlockBytes EncodeKeyBlock(const AssignmentTable& table, int block, const KeyBlockBytes& factory,
                             const MacroPositionLookup& macroPosition) {
    KeyBlockBytes result = factory;
    for (int position = 0; position < KEY_BLOCK_POSITIONS; ++position) {
        const DeviceKeyCode factoryCode = CodeAt(factory.data(), position);
        const ScanCode key = ScanCodeOfDeviceKeyCode(factoryCode);
        if (key == 0) {
            continue;
        }
        const KeyAssignment record = table.EntryOf(block, IndexOfScanCode(key));
        SetCodeAt(result.data(), position, EncodeAssignment(record, factoryCode, macroPosition));
    }
    return result;
}

void DecodeKeyBlock(AssignmentTable& table, int block, const uint8_t* keyBlock,
                    const KeyBlockBytes& factory) {
    InitAssignmentBlock(table, block);
    for (int position = 0; position < KEY_BLOCK_POSITIONS; ++position) {
        const DeviceKeyCode code = CodeAt(keyBlock, position);
        const DeviceKeyCode factoryCode = CodeAt(factory.data(), position);
        const ScanCode key = ScanCodeOfDeviceKeyCode(factoryCode);
        if (code == factoryCode || key == 0) {
            continue;
        }
        const int slot = IndexOfScanCode(key);
        table.SetEntry(block, slot, DecodeCode(code, table.EntryOf(block, slot)));
    }
}

}  // namespace keyloom
