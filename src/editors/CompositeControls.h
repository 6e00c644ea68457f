#pragma once

// The key settings dialog's controls by name: ids, skin keys and language keys.

#include <array>

#include "model/ScanCode.h"

namespace keyloom {

inline constexpr int COMPOSITE_OK = 1;
inline constexpr int COMPOSITE_CANCEL = 2;
inline constexpr int COMPOSITE_APPLY = 1015;
inline constexpr int COMPOSITE_TAB_KEY = 1028;
inline constexpr int COMPOSITE_TAB_MACRO = 1029;
inline constexpr int COMPOSITE_TAB_MEDIA = 1030;
inline constexpr int COMPOSITE_TAB_FUNCTION = 1031;
inline constexpr int COMPOSITE_CLEAR = 1032;
inline constexpr int COMPOSITE_PAGE_PICTURE = 1033;
inline constexpr int COMPOSITE_TITLE_PICTURE = 1131;
inline constexpr int COMPOSITE_OSK = 1132;

// The mouse functions a key can take, in the order of the mouse list.
struct MouseFunction {
    ScanCode code;
    const char* textKey;
};
inline constexpr std::array<MouseFunction, 5> MOUSE_FUNCTIONS = {{
    {0x171, "IDS_KEYBOARD_MOU_LEFT"},
    {0x172, "IDS_KEYBOARD_MOU_RIGHT"},
    {0x173, "IDS_KEYBOARD_MOU_MIDDLE"},
    {0x161, "IDS_KEYBOARD_ROLL_UP"},
    {0x162, "IDS_KEYBOARD_ROLL_DOWN"},
}};

// The position of a mouse function in the list, -1 for a code that is none.
constexpr int MouseFunctionItem(ScanCode code) {
    for (size_t i = 0; i < MOUSE_FUNCTIONS.size(); ++i) {
        if (MOUSE_FUNCTIONS[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace keyloom
