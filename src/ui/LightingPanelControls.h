#pragma once

// The lighting panel's controls by name: their control ids and the skin keys that place them.

namespace keyloom {

inline constexpr int CONTROL_LIGHT_SWITCH = 1167;
inline constexpr int CONTROL_LIGHT_SWITCH_LABEL = 1171;
inline constexpr int CONTROL_MODE_BOX = 1146;
inline constexpr int CONTROL_BRIGHTNESS_LABEL = 1172;
inline constexpr int CONTROL_BRIGHTNESS_SLIDER = 1178;
inline constexpr int CONTROL_SPEED_LABEL = 1166;
inline constexpr int CONTROL_SPEED_SLIDER = 1179;
inline constexpr int CONTROL_DIRECTION_LABEL = 1148;
inline constexpr int CONTROL_DIRECTION_FIRST = 1149;
inline constexpr int CONTROL_DIRECTION_SECOND = 1150;
// The colour group of the still modes (6 and 16) and that of the other coloured modes.
inline constexpr int CONTROL_STILL_COLOR_LABEL = 1151;
inline constexpr int CONTROL_STILL_COLOR = 1152;
inline constexpr int CONTROL_STILL_MULTICOLOR = 1175;
inline constexpr int CONTROL_STILL_MULTICOLOR_LABEL = 1176;
inline constexpr int CONTROL_EFFECT_COLOR_LABEL = 1154;
inline constexpr int CONTROL_EFFECT_COLOR = 1155;
inline constexpr int CONTROL_EFFECT_MULTICOLOR = 1156;
inline constexpr int CONTROL_EFFECT_MULTICOLOR_LABEL = 1173;
// Mode 17: red, yellow, green, blue.
inline constexpr int CONTROL_FIXED_RED = 1194;
inline constexpr int CONTROL_FIXED_YELLOW = 1195;
inline constexpr int CONTROL_FIXED_GREEN = 1196;
inline constexpr int CONTROL_FIXED_BLUE = 1197;
// The user mode.
inline constexpr int CONTROL_PRESET_BOX = 1198;
inline constexpr int CONTROL_USER_COLOR_LABEL = 1159;
inline constexpr int CONTROL_USER_COLOR = 1160;
inline constexpr int CONTROL_BASE_COLOR_LABEL = 1161;
inline constexpr int CONTROL_BASE_COLOR = 1162;
inline constexpr int CONTROL_TOOL_LABEL = 1163;
inline constexpr int CONTROL_TOOL_COLOR = 1164;
inline constexpr int CONTROL_TOOL_BASE_COLOR = 1165;
// Beside the report-rate buttons, and the colour numbers.
inline constexpr int CONTROL_REPORT_RATE_LABEL = 1204;
inline constexpr int CONTROL_RGB_LABEL = 1207;
inline constexpr int CONTROL_RED_BOX = 1208;
inline constexpr int CONTROL_GREEN_BOX = 1209;
inline constexpr int CONTROL_BLUE_BOX = 1210;

}  // namespace keyloom
