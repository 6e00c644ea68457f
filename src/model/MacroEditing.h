#pragma once

// The rules the macro editor applies to a macro's event list: where an event goes and which pause
// it takes, and how a typed pause is accepted.

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/MacroRecord.h"

namespace keyloom {

// An edited pause lies between 0 and MACRO_MAX_DELAY ms and is a multiple of MACRO_DELAY_STEP.
inline constexpr uint32_t MACRO_MAX_DELAY = 40000;
inline constexpr uint32_t MACRO_DELAY_STEP = 10;
// The pause of every recorded event while the record-delays setting is off.
inline constexpr uint32_t RECORDED_PAUSE_WITHOUT_DELAYS = 50;

struct InsertEventOptions {
    bool recordingRule = false;  // a recorded event: its pause depends on recordDelays
    bool recordDelays = false;   // the record-delays setting
    int afterRow = -1;           // insert after this row; -1 or a row outside the list: at the end
    bool asStored = false;       // a stored event shown again: it keeps its own pause
};

// Inserts the event and returns its row; -1, leaving the list as it is, when the list already
// holds MACRO_MAX_EVENTS. Unless inserted as stored, a pause stays with the event before it: the
// event before the new one takes the new event's pause (the time until the new event) and the
// new event takes over the pause that event had; an event inserted into an empty list gets 0.
int InsertEvent(std::vector<MacroEvent>& events, MacroEvent event,
                const InsertEventOptions& options);

// The language key of the message shown before a typed pause is clipped; a format with one
// integer placeholder, filled with MACRO_MAX_DELAY.
inline constexpr const char* kDelayTooLongMessage = "MACRO_ACTION_ERR_DELAY_MAX";

struct DelayValidation {
    uint32_t delay;
    bool clipped;  // show kDelayTooLongMessage first

    friend bool operator==(const DelayValidation&, const DelayValidation&) = default;
};

// The pause of typed digits: above MACRO_MAX_DELAY it is clipped, then it is rounded down to a
// multiple of MACRO_DELAY_STEP. Reading stops at the first character that is no digit.
DelayValidation ValidateDelay(std::string_view text);

}  // namespace keyloom
