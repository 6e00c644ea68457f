#pragma once

#include <cstdint>

namespace keyloom {

struct KeyboardSession;

// The core part of the main window's handlers: what the tool does for each of its messages and
// timers, whatever draws it. The Qt window calls it before redrawing; the headless host uses it
// as its whole handler. Messages it does not know return 0 and do nothing. TIMER_PROFILE_CHANGED
// returns 1 when the keyboard's new active profile was read, and only then may the window follow.
intptr_t HandleSessionMessage(KeyboardSession& session, uint32_t message, uintptr_t wParam,
                              intptr_t lParam);

}  // namespace keyloom
