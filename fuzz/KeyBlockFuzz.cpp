// A key table read from the keyboard, decoded into a profile's records and encoded again: every
// position gets back the code it held when the tool can represent that code, and otherwise the
// empty code or its factory code, never the code of another function.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <set>

#include "model/DefaultKeyMatrix.h"
#include "model/KeyBlockCodec.h"
#include "model/MacroList.h"
#include "model/WorkingProfile.h"
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

using namespace keyloom;

namespace {

// The factory key table: the built-in one, or the keyboard's own when the input carries one.
KeyBlockBytes FactoryOf(fuzz::FuzzInput& input) {
    KeyBlockBytes factory = BuiltInDefaultKeyMatrix();
    if (input.Left() >= KEY_BLOCK_BYTES) {
        const auto bytes = input.Bytes(KEY_BLOCK_BYTES);
        std::copy(bytes.begin(), bytes.end(), factory.begin());
    }
    return factory;
}

// Keys that stand at two positions of the factory table share one record, so one of the two
// positions can get the other's code back; they say nothing about the codec.
std::set<ScanCode> SharedKeys(const KeyBlockBytes& factory) {
    std::set<ScanCode> seen;
    std::set<ScanCode> shared;
    for (int position = 0; position < KEY_BLOCK_POSITIONS; ++position) {
        const ScanCode key = ScanCodeOfDeviceKeyCode(CodeAt(factory.data(), position));
        if (key != 0 && !seen.insert(key).second) {
            shared.insert(key);
        }
    }
    return shared;
}

// The keyboard's usages of the modifier keys, in the order of their bits.
constexpr uint8_t kFirstModifierUsage = 0xE0;
constexpr int kModifierCount = 8;

// Codes that differ only where the keyboard does not look: the byte after stop-macro, and a
// modifier key named by its usage rather than its bit. A macro the list does not hold is
// written as the first one, by the lookup's documented rule.
bool SameFunction(DeviceKeyCode in, DeviceKeyCode out, size_t macroCount) {
    if (in.kind == DEVICE_CODE_SPECIAL && in.b1 == SPECIAL_STOP_MACRO) {
        return out == DeviceKeyCode{DEVICE_CODE_SPECIAL, SPECIAL_STOP_MACRO, 0};
    }
    if (in.kind == DEVICE_CODE_SPECIAL && in.b1 == SPECIAL_PLAY_MACRO && in.b2 >= macroCount) {
        return out == DeviceKeyCode{DEVICE_CODE_SPECIAL, SPECIAL_PLAY_MACRO, 0};
    }
    const int modifier = in.b2 - kFirstModifierUsage;
    if (in.kind == DEVICE_CODE_KEYBOARD && in.b1 == KEYBOARD_USAGE && modifier >= 0 &&
        modifier < kModifierCount) {
        return out == in || out == DeviceKeyCode{DEVICE_CODE_KEYBOARD, KEYBOARD_MODIFIER,
                                                 static_cast<uint8_t>(1 << modifier)};
    }
    return out == in;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    const int block = input.Byte() % 3;
    // The keyboard's macros, as many as the input says: ids 1 to n at positions 0 to n - 1, found
    // as MacroPositionOfId finds them (0 when none has the id).
    const size_t macroCount = input.Byte() % (MACRO_LIST_CAPACITY + 1);
    const MacroPositionLookup macroPosition = [macroCount](uint32_t id) {
        return id >= 1 && id <= macroCount ? static_cast<int>(id - 1) : 0;
    };
    KeyBlockBytes read{};
    const auto bytes = input.Bytes(KEY_BLOCK_BYTES);
    std::copy(bytes.begin(), bytes.end(), read.begin());
    const KeyBlockBytes factory = FactoryOf(input);

    WorkingProfile profile;
    AssignmentTable table = profile.Assignments();
    DecodeKeyBlock(table, block, read.data(), factory);
    const KeyBlockBytes written = EncodeKeyBlock(table, block, factory, macroPosition);

    const std::set<ScanCode> shared = SharedKeys(factory);
    for (int position = 0; position < KEY_BLOCK_POSITIONS; ++position) {
        const DeviceKeyCode factoryCode = CodeAt(factory.data(), position);
        const DeviceKeyCode in = CodeAt(read.data(), position);
        const DeviceKeyCode out = CodeAt(written.data(), position);
        const ScanCode key = ScanCodeOfDeviceKeyCode(factoryCode);
        if (key == 0) {
            FUZZ_CHECK(out == factoryCode);
        } else if (!shared.contains(key) && !(SameFunction(in, out, macroCount) ||
                                              out == NO_FUNCTION_CODE || out == factoryCode)) {
            std::fprintf(stderr,
                         "position %d (factory %02x %02x %02x): read %02x %02x %02x, written %02x "
                         "%02x %02x\n",
                         position, factoryCode.kind, factoryCode.b1, factoryCode.b2, in.kind, in.b1,
                         in.b2, out.kind, out.b1, out.b2);
            FUZZ_CHECK(!"another function's code written");
        }
    }
    return 0;
}
