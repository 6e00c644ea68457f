#pragma once

// Key codes of the Linux input layer (KEY_* and BTN_* of linux/input-event-codes.h) as the tool's
// ScanCodes, for the capture and recording hooks. Qt reports a key's native scan code as the xkb
// keycode, which is the evdev code + 8; callers subtract the 8 before asking.

#include "model/ScanCode.h"

namespace keyloom {

// 0 for a code that stands for no key of the catalog.
ScanCode ScanCodeOfEvdevKey(unsigned evdevCode);

}  // namespace keyloom
