#include "model/MacroRecord.h"

#include <algorithm>

#include "platform/LittleEndian.h"
#include "platform/TextEncoding.h"

namespace keyloom {

namespace {

// The longest prefix of the text whose UTF-16 form fits in the given number of units, so that a
// cut never splits a character, nor a surrogate pair.
std::string_view PrefixWithinUnits(std::string_view text, size_t maxUnits) {
    size_t units = 0;
    size_t at = 0;
    while (at < text.size()) {
        const Utf8Char character = DecodeUtf8Char(text, at);
        if (units + Utf16Units(character) > maxUnits) {
            break;
        }
        units += Utf16Units(character);
        at += character.length;
    }
    return text.substr(0, at);
}

}  // namespace

MacroEvent ReadMacroEvent(const uint8_t* bytes8) {
    return {ReadU32(bytes8 + MACRO_EVENT_DELAY), ReadU16(bytes8 + MACRO_EVENT_KEY),
            ReadU16(bytes8 + MACRO_EVENT_ACTION)};
}

void WriteMacroEvent(uint8_t* bytes8, const MacroEvent& event) {
    WriteU32(bytes8 + MACRO_EVENT_DELAY, event.delay);
    WriteU16(bytes8 + MACRO_EVENT_KEY, event.key);
    WriteU16(bytes8 + MACRO_EVENT_ACTION, event.action);
}

MacroRecord::MacroRecord(std::span<const uint8_t, MACRO_RECORD_SIZE> bytes) {
    std::copy(bytes.begin(), bytes.end(), bytes_.begin());
}

std::string MacroRecord::Name() const {
    return Utf16LeToUtf8(bytes_.data() + MACRO_NAME, 2 * NameUnits());
}

size_t MacroRecord::NameUnits() const {
    size_t units = 0;
    while (units < MACRO_NAME_MAX_UNITS && ReadU16(bytes_.data() + MACRO_NAME + 2 * units) != 0) {
        ++units;
    }
    return units;
}

void MacroRecord::SetName(std::string_view name) {
    std::vector<uint8_t> units;
    AppendUtf16Le(units, PrefixWithinUnits(name, MACRO_NAME_MAX_UNITS));
    units.resize(2 * MACRO_NAME_UNITS);  // the terminator and the rest of the field are zero
    std::copy(units.begin(), units.end(), bytes_.begin() + MACRO_NAME);
}

uint8_t MacroRecord::RepeatCount() const {
    return bytes_[MACRO_REPEAT_COUNT];
}

void MacroRecord::SetRepeatCount(uint8_t repeatCount) {
    bytes_[MACRO_REPEAT_COUNT] = repeatCount;
}

bool MacroRecord::IsNew() const {
    return ReadU16(bytes_.data() + MACRO_IS_NEW) == 1;
}

void MacroRecord::SetIsNew(bool isNew) {
    WriteU16(bytes_.data() + MACRO_IS_NEW, isNew ? 1 : 0);
}

uint16_t MacroRecord::Id() const {
    return ReadU16(bytes_.data() + MACRO_ID);
}

void MacroRecord::SetId(uint16_t id) {
    WriteU16(bytes_.data() + MACRO_ID, id);
}

int MacroRecord::EventCount() const {
    return std::min<int>(ReadU16(bytes_.data() + MACRO_EVENT_COUNT), MACRO_MAX_EVENTS);
}

std::vector<MacroEvent> MacroRecord::Events() const {
    std::vector<MacroEvent> events(static_cast<size_t>(EventCount()));
    for (size_t i = 0; i < events.size(); ++i) {
        events[i] = ReadMacroEvent(bytes_.data() + MACRO_EVENTS + MACRO_EVENT_SIZE * i);
    }
    return events;
}

void MacroRecord::SetEvents(std::span<const MacroEvent> events) {
    const size_t count = std::min(events.size(), static_cast<size_t>(MACRO_MAX_EVENTS));
    std::fill(bytes_.begin() + MACRO_EVENTS, bytes_.end(), 0);
    for (size_t i = 0; i < count; ++i) {
        WriteMacroEvent(bytes_.data() + MACRO_EVENTS + MACRO_EVENT_SIZE * i, events[i]);
    }
    WriteU16(bytes_.data() + MACRO_EVENT_COUNT, static_cast<uint16_t>(count));
}

}  // namespace keyloom
