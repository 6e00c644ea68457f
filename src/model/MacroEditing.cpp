#include "model/MacroEditing.h"

#include <cstddef>
#include <utility>

namespace keyloom {

namespace {

size_t InsertionRow(const std::vector<MacroEvent>& events, int afterRow) {
    if (afterRow < 0 || static_cast<size_t>(afterRow) >= events.size()) {
        return events.size();
    }
    return static_cast<size_t>(afterRow) + 1;
}

}  // namespace

int InsertEvent(std::vector<MacroEvent>& events, MacroEvent event,
                const InsertEventOptions& options) {
    if (events.size() >= static_cast<size_t>(MACRO_MAX_EVENTS)) {
        return -1;
    }
    if (event.action > MACRO_RELEASE) {
        event.action = MACRO_PRESS;
    }
    if (options.recordingRule && !options.recordDelays) {
        event.delay = RECORDED_PAUSE_WITHOUT_DELAYS;
    }
    const size_t row = InsertionRow(events, options.afterRow);
    if (!options.asStored) {
        if (row == 0) {
            event.delay = 0;
        } else {
            std::swap(events[row - 1].delay, event.delay);
        }
    }
    events.insert(events.begin() + static_cast<std::ptrdiff_t>(row), event);
    return static_cast<int>(row);
}

DelayValidation ValidateDelay(std::string_view text) {
    uint32_t value = 0;
    bool clipped = false;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            break;
        }
        value = value * 10 + static_cast<uint32_t>(digit - '0');
        if (value > MACRO_MAX_DELAY) {
            value = MACRO_MAX_DELAY;
            clipped = true;
        }
    }
    return {value - value % MACRO_DELAY_STEP, clipped};
}

}  // namespace keyloom
