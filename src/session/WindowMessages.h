#pragma once

#include <cstdint>

#include "platform/FourCharTag.h"

namespace keyloom {

// The main window's own messages. A handler whose message carries a tag does nothing when wParam
// is not that tag.
inline constexpr uint32_t UM_SLIDER_POS = 0x28D1;      // wParam slider control, lParam 0 to 25
inline constexpr uint32_t UM_KILL = 0x4D4B;            // from a second instance started to kill
inline constexpr uint32_t UM_INIT = 0x4D4E;            // deferred initialisation
inline constexpr uint32_t UM_OPEN = 0x5350;            // show the window
inline constexpr uint32_t UM_PROFILE_RELOAD = 0x5452;  // the keyboard arrived: read it back
inline constexpr uint32_t UM_BANK_CHANGED = 0x5045;    // the G-key bank switched
inline constexpr uint32_t UM_LANGUAGE = 0x5041;        // lParam: language slot 0 to 3
inline constexpr uint32_t UM_DEVICE_GONE = 0x4753;     // the keyboard was removed

inline constexpr uint32_t TAG_INIT = FourCharTag("INIT");
inline constexpr uint32_t TAG_OPEN = FourCharTag("OPEN");
inline constexpr uint32_t TAG_PROF = FourCharTag("PROF");
inline constexpr uint32_t TAG_BANK = FourCharTag("LED");
inline constexpr uint32_t TAG_LANG = FourCharTag("LANG");
// The one tag written with its first character in the lowest byte.
inline constexpr uint32_t TAG_KILL = 0x4C4C494B;

// A message that other programs post to start an apply.
inline constexpr uint32_t MSG_APPLY = 0x001E;
// The timer notification of the window system.
inline constexpr uint32_t MSG_TIMER = 0x0113;
// A command of a control or menu: wParam is the command id.
inline constexpr uint32_t MSG_COMMAND = 0x0111;
// A change of the user's session: wParam is the session event (SessionAwayFlag.h).
inline constexpr uint32_t MSG_SESSION_CHANGE = 0x02B1;

// The main window's timers.
inline constexpr uint32_t TIMER_BUSY = 1050;              // 50 ms, next busy animation frame
inline constexpr uint32_t TIMER_LIGHTING_CHANGED = 1051;  // one-shot, re-read the lighting
inline constexpr uint32_t TIMER_PREVIEW = 1052;           // the on-screen lighting preview
inline constexpr uint32_t TIMER_PROFILE_CHANGED = 1053;   // one-shot, re-read the profile

// Commands of the main window that other parts send.
inline constexpr uint32_t CMD_ID_APPLY = 1006;
inline constexpr uint32_t CMD_ID_FIRMWARE_UPDATE = 32780;

// Tray icons.
inline constexpr int TRAY_ICON_NO_KEYBOARD = 128;
inline constexpr int TRAY_ICON_KEYBOARD = 141;
inline constexpr int TRAY_ICON_SPECIAL = 142;

}  // namespace keyloom
