#include "editors/KeyEventScanCode.h"

#include "model/EvdevScanCodes.h"

namespace keyloom {

namespace {

// X11 (xcb) and Wayland report the xkb keycode as the native scan code: the evdev code + 8.
constexpr quint32 kXkbKeycodeOffset = 8;

}  // namespace

ScanCode ScanCodeOfKeyEvent(const QKeyEvent& event) {
    const quint32 native = event.nativeScanCode();
    if (native < kXkbKeycodeOffset) {
        return 0;
    }
    return ScanCodeOfEvdevKey(native - kXkbKeycodeOffset);
}

}  // namespace keyloom
