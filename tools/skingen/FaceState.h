#pragma once

namespace keyloom::skingen {

// The look a full-window state picture gives every control in it.
enum class FaceState {
    kNormal,
    kOver,      // pointer over
    kDown,      // pressed
    kMarked,    // marked: assigned keys, the selected profile or report rate, lit indicators
    kDisabled,  // greyed out
    kUnlit,     // the keyboard with its backlight off
    kLit,       // the keyboard with its backlight on in rainbow colours
};

}  // namespace keyloom::skingen
