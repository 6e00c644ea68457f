#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "model/MacroRecord.h"

namespace keyloom {

// Turns the key events caught while recording into macro events with their measured pauses:
// each pause is the time since the event before (or since the start). The pauses follow the
// recording rule of InsertEvent only when the events are inserted.
class MacroRecorder {
  public:
    // The pause given to the press that completes a key which arrives as a single event.
    static constexpr uint32_t kCompletedPressPause = 2;

    void Start(uint32_t now);

    // The events to insert for one caught key event, in order; none for a repeat of a held key
    // or a media key, which keeps working for the system instead.
    // A key that reaches the tool as one event is recorded on its release, as a press followed
    // by that release, so a press the platform does deliver for it is not recorded twice.
    std::vector<MacroEvent> Take(ScanCode key, bool press, uint32_t now);

  private:
    uint32_t m_lastTick = 0;
    std::set<ScanCode> m_held;
};

}  // namespace keyloom
