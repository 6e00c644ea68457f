#include "model/KeyButtonTable.h"

#include <algorithm>
#include <array>

namespace keyloom {

namespace {

// Keys without an LED in the 126-LED colour table have NO_LED; Home is one of them, its entry
// lying outside the table.
constexpr std::array<KeyButton, LIGHTING_BUTTON_COUNT> kButtons = {{
    {1058, 0x01E, 31},      // A
    {1075, 0x030, 51},      // B
    {1073, 0x02E, 49},      // C
    {1060, 0x020, 33},      // D
    {1046, 0x012, 18},      // E
    {1061, 0x021, 34},      // F
    {1062, 0x022, 35},      // G
    {1063, 0x023, 36},      // H
    {1051, 0x017, 23},      // I
    {1064, 0x024, 37},      // J
    {1065, 0x025, 38},      // K
    {1066, 0x026, 39},      // L
    {1077, 0x032, 53},      // M
    {1076, 0x031, 52},      // N
    {1052, 0x018, 24},      // O
    {1053, 0x019, 25},      // P
    {1044, 0x010, 16},      // Q
    {1047, 0x013, 19},      // R
    {1059, 0x01F, 32},      // S
    {1048, 0x014, 20},      // T
    {1050, 0x016, 22},      // U
    {1074, 0x02F, 50},      // V
    {1045, 0x011, 17},      // W
    {1072, 0x02D, 48},      // X
    {1049, 0x015, 21},      // Y
    {1071, 0x02C, 47},      // Z
    {1030, 0x002, 1},       // 1
    {1031, 0x003, 2},       // 2
    {1032, 0x004, 3},       // 3
    {1033, 0x005, 4},       // 4
    {1034, 0x006, 5},       // 5
    {1035, 0x007, 6},       // 6
    {1036, 0x008, 7},       // 7
    {1037, 0x009, 8},       // 8
    {1038, 0x00A, 9},       // 9
    {1039, 0x00B, 10},      // 0
    {1070, 0x01C, 43},      // Enter
    {1022, 0x001, 0},       // Esc
    {1043, 0x00E, 13},      // Backspace
    {1056, 0x00F, 15},      // Tab
    {1090, 0x039, 66},      // Space
    {1040, 0x00C, 11},      // -
    {1041, 0x00D, 12},      // =
    {1054, 0x01A, 26},      // [
    {1055, 0x01B, 27},      // ]
    {1042, 0x02B, 28},      // backslash
    {1067, 0x027, 40},      // ;
    {1068, 0x028, 41},      // '
    {1029, 0x029, NO_LED},  // grave accent
    {1078, 0x033, 54},      // ,
    {1079, 0x034, 55},      // .
    {1080, 0x035, 56},      // /
    {1010, 0x03B, NO_LED},  // F1
    {1011, 0x03C, NO_LED},  // F2
    {1012, 0x03D, NO_LED},  // F3
    {1013, 0x03E, NO_LED},  // F4
    {1014, 0x03F, NO_LED},  // F5
    {1015, 0x040, NO_LED},  // F6
    {1023, 0x041, NO_LED},  // F7
    {1024, 0x042, NO_LED},  // F8
    {1025, 0x043, NO_LED},  // F9
    {1026, 0x044, NO_LED},  // F10
    {1027, 0x057, NO_LED},  // F11
    {1028, 0x058, NO_LED},  // F12
    {1091, 0x137, NO_LED},  // Print Screen
    {1093, 0x045, 14},      // Pause
    {1094, 0x152, NO_LED},  // Insert
    {1097, 0x153, 59},      // Delete
    {1095, 0x147, NO_LED},  // Home
    {1098, 0x14F, NO_LED},  // End
    {1096, 0x149, 29},      // Page Up
    {1099, 0x151, 44},      // Page Down
    {1103, 0x148, 58},      // Up
    {1101, 0x150, 73},      // Down
    {1100, 0x14B, 72},      // Left
    {1102, 0x14D, 74},      // Right
    {1092, 0x046, NO_LED},  // Scroll Lock
    {1069, 0x03A, 30},      // Caps Lock
    {1088, 0x15D, 71},      // App
    {1083, 0x01D, 60},      // Ctrl
    {1089, 0x11D, 113},     // Right Ctrl
    {1082, 0x02A, 45},      // Shift
    {1081, 0x036, 57},      // Right Shift
    {1085, 0x038, 62},      // Alt
    {1086, 0x138, 69},      // Right Alt
    {1084, 0x15B, 61},      // Win
    {1087, 0x15C, 112},     // Right Win
    {1115, 0x04F, 101},     // Num 1
    {1116, 0x050, 102},     // Num 2
    {1117, 0x051, 103},     // Num 3
    {1112, 0x04B, 80},      // Num 4
    {1113, 0x04C, 81},      // Num 5
    {1114, 0x04D, 82},      // Num 6
    {1108, 0x047, NO_LED},  // Num 7
    {1109, 0x048, NO_LED},  // Num 8
    {1110, 0x049, NO_LED},  // Num 9
    {1120, 0x052, 123},     // Num 0
    {1104, 0x145, 108},     // Num Lock
    {1118, 0x11C, 104},     // Num Enter
    {1119, 0x053, 124},     // Num .
    {1105, 0x135, NO_LED},  // Num /
    {1106, 0x037, NO_LED},  // Num *
    {1107, 0x04A, NO_LED},  // Num -
    {1111, 0x04E, NO_LED},  // Num +
    {1222, 0x056, 46},      // K45, the extra key left of Z
    {1000, 0, G_KEY_LED},   // G1
    {1001, 0, G_KEY_LED},   // G2
    {1002, 0, G_KEY_LED},   // G3
    {1003, 0, G_KEY_LED},   // G4
    {1004, 0, G_KEY_LED},   // G5
    {1140, 0, G_KEY_LED},   // G6
    {1141, 0, G_KEY_LED},   // G7
    {1142, 0, G_KEY_LED},   // G8
    {1143, 0, G_KEY_LED},   // G9
    {FN_CONTROL, 0, FN_LED},
}};

template <typename Matches>
int IndexWhere(std::span<const KeyButton> buttons, Matches matches) {
    const auto found = std::find_if(buttons.begin(), buttons.end(), matches);
    return found == buttons.end() ? -1 : static_cast<int>(found - buttons.begin());
}

}  // namespace

std::span<const KeyButton> LightingButtons() {
    return kButtons;
}

std::span<const KeyButton> KeyButtons() {
    return LightingButtons().first(KEY_BUTTON_COUNT);
}

std::span<const KeyButton> GKeyButtons() {
    return LightingButtons().subspan(KEY_BUTTON_COUNT, G_KEY_BUTTON_COUNT);
}

int LightingButtonIndexOfControl(int control) {
    return IndexWhere(LightingButtons(),
                      [control](const KeyButton& button) { return button.control == control; });
}

int KeyButtonIndexOfScanCode(ScanCode code) {
    return IndexWhere(KeyButtons(),
                      [code](const KeyButton& button) { return button.code == code; });
}

}  // namespace keyloom
