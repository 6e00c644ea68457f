#include "editors/MacroRecorder.h"

#include "model/KeySets.h"

namespace keyloom {

void MacroRecorder::Start(uint32_t now) {
    m_lastTick = now;
    m_held.clear();
}

std::vector<MacroEvent> MacroRecorder::Take(ScanCode key, bool press, uint32_t now) {
    if (IsMediaKey(key)) {
        return {};
    }
    const bool singleEvent = IsSingleEventKey(key);
    if (press && (singleEvent || !m_held.insert(key).second)) {
        return {};
    }
    if (!press) {
        m_held.erase(key);
    }
    const MacroEvent event{now - m_lastTick, key, press ? MACRO_PRESS : MACRO_RELEASE};
    m_lastTick = now;
    if (!singleEvent) {
        return {event};
    }
    return {MacroEvent{kCompletedPressPause, key, MACRO_PRESS}, event};
}

}  // namespace keyloom
