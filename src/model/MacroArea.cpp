#include "model/MacroArea.h"

#include <algorithm>

#include "model/DeviceKeyCode.h"
#include "model/DeviceUsage.h"
#include "model/ModifierBits.h"
#include "platform/LittleEndian.h"
#include "platform/TextEncoding.h"

namespace keyloom {

namespace {

// A macro's record in the image: this header, its events, then its name without terminator.
constexpr size_t kRecordEventCount = 0;  // unsigned 16
constexpr size_t kRecordRepeatCount = 2;
constexpr size_t kRecordNameLength = 3;  // UTF-16 units, 0 without names
constexpr size_t kRecordEvents = 4;
static_assert(kRecordNameLength + 1 == kRecordEvents);
static_assert(MACRO_NAME_MAX_UNITS <= UINT8_MAX);

// An event in the image: a 16-bit word with the pause, the kind of the key code and whether it
// is a press, then bytes 1 and 2 of the key code.
constexpr size_t kEventWord = 0;
constexpr size_t kEventCode = 2;
constexpr size_t kEventSize = 4;
constexpr uint32_t kPauseUnitMs = 10;
constexpr uint32_t kPauseMask = 0x0FFF;
constexpr int kKindShift = 12;
constexpr uint16_t kKindMask = 0x7;
constexpr uint16_t kPressBit = 0x8000;
static_assert(MACRO_AREA_MAX_PAUSE_MS == kPauseMask * kPauseUnitMs);

size_t RecordSize(const MacroRecord& macro, bool withNames) {
    return kRecordEvents + kEventSize * static_cast<size_t>(macro.EventCount()) +
           (withNames ? 2 * macro.NameUnits() : 0);
}

DeviceKeyCode MouseCodeOfUsage(DeviceUsage usage) {
    for (const MouseCode& mouse : MouseCodeTable) {
        if (DeviceUsageOf(mouse.scanCode) == usage) {
            return mouse.code;
        }
    }
    return NO_FUNCTION_CODE;
}

DeviceKeyCode EventKeyCode(ScanCode key) {
    const DeviceUsage usage = DeviceUsageOf(key);
    switch (usage.page) {
        case kKeyboardPage:
            if (const uint8_t bit = ModifierBitOf(key)) {
                return {DEVICE_CODE_KEYBOARD, KEYBOARD_MODIFIER, bit};
            }
            return {DEVICE_CODE_KEYBOARD, KEYBOARD_USAGE, static_cast<uint8_t>(usage.usage)};
        case kGenericDesktopPage:
            return {DEVICE_CODE_DESKTOP, static_cast<uint8_t>(usage.usage),
                    static_cast<uint8_t>(usage.usage >> 8)};
        case kMouseFunctionPage:
            return MouseCodeOfUsage(usage);
        default:
            return NO_FUNCTION_CODE;
    }
}

void AppendEvent(std::vector<uint8_t>& image, const MacroEvent& event) {
    const DeviceKeyCode code = EventKeyCode(event.key);
    const uint32_t pause = std::min(event.delay / kPauseUnitMs, kPauseMask);
    const uint16_t word = static_cast<uint16_t>(pause | ((code.kind & kKindMask) << kKindShift) |
                                                (event.action != MACRO_RELEASE ? kPressBit : 0));
    uint8_t bytes[kEventSize];
    WriteU16(bytes + kEventWord, word);
    bytes[kEventCode] = code.b1;
    bytes[kEventCode + 1] = code.b2;
    image.insert(image.end(), bytes, bytes + kEventSize);
}

void AppendRecord(std::vector<uint8_t>& image, const MacroRecord& macro, bool withNames) {
    const size_t nameUnits = withNames ? macro.NameUnits() : 0;
    uint8_t header[kRecordEvents];
    WriteU16(header + kRecordEventCount, static_cast<uint16_t>(macro.EventCount()));
    header[kRecordRepeatCount] = macro.RepeatCount();
    header[kRecordNameLength] = static_cast<uint8_t>(nameUnits);
    image.insert(image.end(), header, header + kRecordEvents);
    for (const MacroEvent& event : macro.Events()) {
        AppendEvent(image, event);
    }
    // The record already holds the name as UTF-16LE units.
    const auto name = macro.Bytes().subspan(MACRO_NAME, 2 * nameUnits);
    image.insert(image.end(), name.begin(), name.end());
}

MacroEvent DecodeEvent(const uint8_t* bytes) {
    const uint16_t word = ReadU16(bytes + kEventWord);
    const auto kind = static_cast<uint8_t>((word >> kKindShift) & kKindMask);
    // Kinds beyond the generic-desktop page name no key an event can play.
    const DeviceKeyCode code{kind, bytes[kEventCode], bytes[kEventCode + 1]};
    const ScanCode key = kind <= DEVICE_CODE_DESKTOP ? ScanCodeOfDeviceKeyCode(code) : 0;
    return {(word & kPauseMask) * kPauseUnitMs, key,
            (word & kPressBit) != 0 ? MACRO_PRESS : MACRO_RELEASE};
}

// The bytes of the record at the offset when they lie wholly within the image, else empty.
std::span<const uint8_t> RecordBytesAt(std::span<const uint8_t> image, size_t offset) {
    if (offset > image.size() || image.size() - offset < kRecordEvents) {
        return {};
    }
    const std::span<const uint8_t> rest = image.subspan(offset);
    const size_t size = kRecordEvents + kEventSize * ReadU16(rest.data() + kRecordEventCount) +
                        2 * size_t{rest[kRecordNameLength]};
    return size <= rest.size() ? rest.first(size) : std::span<const uint8_t>{};
}

MacroRecord DecodeRecord(std::span<const uint8_t> bytes, uint16_t id,
                         const std::string& generatedName) {
    MacroRecord macro;
    macro.SetId(id);
    macro.SetRepeatCount(bytes[kRecordRepeatCount]);
    const size_t eventCount = ReadU16(bytes.data() + kRecordEventCount);
    std::vector<MacroEvent> events(std::min(eventCount, size_t{MACRO_MAX_EVENTS}));
    for (size_t i = 0; i < events.size(); ++i) {
        events[i] = DecodeEvent(bytes.data() + kRecordEvents + kEventSize * i);
    }
    macro.SetEvents(events);
    const size_t nameUnits = bytes[kRecordNameLength];
    const uint8_t* name = bytes.data() + kRecordEvents + kEventSize * eventCount;
    // A name that starts with a zero unit would end there: it is no name, as a length 0 is.
    const bool named = nameUnits != 0 && ReadU16(name) != 0;
    macro.SetName(named ? Utf16LeToUtf8(name, 2 * nameUnits) : generatedName);
    return macro;
}

}  // namespace

MacroAreaSize MacroAreaSizes(const MacroList& list) {
    const size_t tables = MACRO_AREA_OFFSETS + MACRO_AREA_OFFSET_SIZE * list.size();
    MacroAreaSize sizes{tables, tables};
    for (const MacroRecord& macro : list) {
        sizes.minimal += RecordSize(macro, false);
        sizes.full += RecordSize(macro, true);
    }
    return sizes;
}

std::vector<uint8_t> EncodeMacroArea(const MacroList& list, size_t size, bool withNames) {
    const MacroAreaSize sizes = MacroAreaSizes(list);
    if (size > MACRO_AREA_MAX_SIZE || (withNames ? sizes.full : sizes.minimal) > size) {
        return {};
    }
    std::vector<uint8_t> image(MACRO_AREA_OFFSETS + MACRO_AREA_OFFSET_SIZE * list.size());
    WriteU16(image.data() + MACRO_AREA_MAGIC, MACRO_AREA_MAGIC_WORD);
    WriteU16(image.data() + MACRO_AREA_TOTAL_SIZE, static_cast<uint16_t>(size));
    WriteU16(image.data() + MACRO_AREA_COUNT, static_cast<uint16_t>(list.size()));
    WriteU16(image.data() + MACRO_AREA_NAMES_FLAG, withNames ? 1 : 0);
    for (size_t i = 0; i < list.size(); ++i) {
        WriteU16(image.data() + MACRO_AREA_OFFSETS + MACRO_AREA_OFFSET_SIZE * i,
                 static_cast<uint16_t>(image.size()));
        AppendRecord(image, list[i], withNames);
    }
    image.resize(size);
    return image;
}

MacroList DecodeMacroArea(std::span<const uint8_t> image, const std::string& namePrefix) {
    MacroList list;
    if (image.size() < MACRO_AREA_HEADER_SIZE ||
        ReadU16(image.data() + MACRO_AREA_MAGIC) != MACRO_AREA_MAGIC_WORD) {
        return list;
    }
    const size_t count =
        std::min<size_t>(ReadU16(image.data() + MACRO_AREA_COUNT), MACRO_LIST_CAPACITY);
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = MACRO_AREA_OFFSETS + MACRO_AREA_OFFSET_SIZE * i;
        if (entry + MACRO_AREA_OFFSET_SIZE > image.size()) {
            break;
        }
        const auto record = RecordBytesAt(image, ReadU16(image.data() + entry));
        if (!record.empty()) {
            const auto id = static_cast<uint16_t>(i + 1);
            list.push_back(DecodeRecord(record, id, namePrefix + std::to_string(id)));
        }
    }
    return list;
}

}  // namespace keyloom
