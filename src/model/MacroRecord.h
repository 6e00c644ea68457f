#pragma once

// A macro as the tool keeps it: a named list of key events with pauses and a repeat count, held
// as its 16512-byte record in file layout (profile files store the same bytes).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ScanCode.h"

namespace keyloom {

enum MacroAction : uint16_t {
    MACRO_PRESS = 0,
    MACRO_RELEASE = 1,
};

// One key event and the pause after it, before the next event.
struct MacroEvent {
    uint32_t delay = 0;  // milliseconds
    ScanCode key = 0;    // mouse buttons and wheel steps included
    uint16_t action = MACRO_PRESS;

    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

// An event in the record: 8 bytes.
inline constexpr size_t MACRO_EVENT_DELAY = 0;   // unsigned 32
inline constexpr size_t MACRO_EVENT_KEY = 4;     // unsigned 16
inline constexpr size_t MACRO_EVENT_ACTION = 6;  // unsigned 16
inline constexpr size_t MACRO_EVENT_SIZE = 8;
static_assert(MACRO_EVENT_ACTION + 2 == MACRO_EVENT_SIZE);

MacroEvent ReadMacroEvent(const uint8_t* bytes8);
void WriteMacroEvent(uint8_t* bytes8, const MacroEvent& event);

inline constexpr int MACRO_MAX_EVENTS = 2000;
// The name field in UTF-16 units, its terminating zero included.
inline constexpr size_t MACRO_NAME_UNITS = 250;
inline constexpr size_t MACRO_NAME_MAX_UNITS = MACRO_NAME_UNITS - 1;

// Fields of the record; the bytes between them are zero.
inline constexpr size_t MACRO_NAME = 0;
inline constexpr size_t MACRO_REPEAT_COUNT = 500;  // unsigned 8, 1 to 255
inline constexpr size_t MACRO_IS_NEW = 502;        // unsigned 16
inline constexpr size_t MACRO_ID = 506;            // unsigned 16, 1 to 100
inline constexpr size_t MACRO_EVENT_COUNT = 508;   // unsigned 16, 0 to 2000
inline constexpr size_t MACRO_EVENTS = 512;
inline constexpr size_t MACRO_RECORD_SIZE = 16512;
static_assert(MACRO_NAME + 2 * MACRO_NAME_UNITS == MACRO_REPEAT_COUNT);
static_assert(MACRO_EVENT_COUNT + 4 == MACRO_EVENTS);
static_assert(MACRO_EVENTS + MACRO_MAX_EVENTS * MACRO_EVENT_SIZE == MACRO_RECORD_SIZE);

class MacroRecord {
  public:
    // All bytes zero.
    MacroRecord() = default;
    // The bytes as a profile file holds them.
    explicit MacroRecord(std::span<const uint8_t, MACRO_RECORD_SIZE> bytes);

    std::span<const uint8_t, MACRO_RECORD_SIZE> Bytes() const { return bytes_; }

    // Up to the terminating zero; a damaged record without one gives MACRO_NAME_MAX_UNITS units.
    std::string Name() const;
    size_t NameUnits() const;
    // A name longer than the field holds is cut after its last whole character that fits.
    void SetName(std::string_view name);

    uint8_t RepeatCount() const;
    void SetRepeatCount(uint8_t repeatCount);

    // Set while the macro exists only in an open editor.
    bool IsNew() const;
    void SetIsNew(bool isNew);

    uint16_t Id() const;
    void SetId(uint16_t id);

    // A damaged count above what the record holds reads as MACRO_MAX_EVENTS.
    int EventCount() const;
    std::vector<MacroEvent> Events() const;
    // Keeps the first MACRO_MAX_EVENTS events; the unused event bytes are zeroed.
    void SetEvents(std::span<const MacroEvent> events);

  private:
    std::array<uint8_t, MACRO_RECORD_SIZE> bytes_{};
};

}  // namespace keyloom
