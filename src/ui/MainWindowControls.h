#pragma once

// The main window's controls and commands by name: the control ids of its buttons, the skin keys
// that place them and the command ids its menus send. Code and tests use these names only.

#include <array>

#include "session/WindowMessages.h"
#include "ui/CommandMenu.h"

namespace keyloom {

// The buttons around the keyboard.
inline constexpr int CONTROL_OK = 1;
inline constexpr int CONTROL_CANCEL = 2;
inline constexpr int CONTROL_PROFILE_MANAGER = 1005;
inline constexpr int CONTROL_APPLY = 1006;
inline constexpr int CONTROL_MACRO = 1007;
inline constexpr int CONTROL_SKIN_LINK = 1121;
inline constexpr int CONTROL_HELP = 1122;
inline constexpr int CONTROL_MINIMISE = 1123;
inline constexpr int CONTROL_CLOSE = 1124;
inline constexpr int CONTROL_CAPS_LOCK = 1125;
inline constexpr int CONTROL_NUM_LOCK = 1126;
inline constexpr int CONTROL_SCROLL_LOCK = 1127;
inline constexpr int CONTROL_BANK_INDICATOR = 1128;
inline constexpr int CONTROL_FLIP_INDICATOR = 1129;
inline constexpr int CONTROL_FLIP_1 = 1130;
inline constexpr int CONTROL_FLIP_2 = 1131;
inline constexpr int CONTROL_VERSION = 1134;
inline constexpr int CONTROL_PROFILE_1 = 1135;
inline constexpr int CONTROL_PROFILE_2 = 1136;
inline constexpr int CONTROL_PROFILE_3 = 1137;
inline constexpr int CONTROL_DEFAULT = 1138;
inline constexpr int CONTROL_MENU = 1139;
inline constexpr int CONTROL_REPORT_RATE_1 = 1147;
inline constexpr int CONTROL_REPORT_RATE_2 = 1168;
inline constexpr int CONTROL_REPORT_RATE_3 = 1169;
inline constexpr int CONTROL_REPORT_RATE_4 = 1170;
inline constexpr int CONTROL_MAKER_LINK = 1199;
inline constexpr int CONTROL_NETWORK_LINK = 1219;
inline constexpr int CONTROL_COMMUNITY_LINK = 1220;
inline constexpr int CONTROL_NEWS_LINK = 1221;

// Profile 1 to 3 and report rate 1 to 4, the position being the profile or rate index.
inline constexpr std::array CONTROL_PROFILES = {CONTROL_PROFILE_1, CONTROL_PROFILE_2,
                                                CONTROL_PROFILE_3};
inline constexpr std::array CONTROL_REPORT_RATES = {CONTROL_REPORT_RATE_1, CONTROL_REPORT_RATE_2,
                                                    CONTROL_REPORT_RATE_3, CONTROL_REPORT_RATE_4};

// Key buttons the window treats apart, by their ids in the key button table: G9 also edits the
// macros, and F1 to F4 are off while the flip setting is set.
inline constexpr int CONTROL_G9 = 1143;
inline constexpr std::array CONTROL_FLIPPED_KEYS = {1010, 1011, 1012, 1013};

// A button and the key of the skin file that places it.
struct SkinnedControl {
    int control;
    const char* skinKey;
};

// The image buttons around the keyboard, in the order they are created.
inline constexpr std::array SKINNED_CONTROLS = {
    SkinnedControl{CONTROL_MACRO, "FUNC_MACRO"},
    SkinnedControl{CONTROL_PROFILE_MANAGER, "FUNC_PROFILES"},
    SkinnedControl{CONTROL_PROFILE_1, "FUNC_PROFILE1"},
    SkinnedControl{CONTROL_PROFILE_2, "FUNC_PROFILE2"},
    SkinnedControl{CONTROL_PROFILE_3, "FUNC_PROFILE3"},
    SkinnedControl{CONTROL_DEFAULT, "FUNC_DEFAULT"},
    SkinnedControl{CONTROL_REPORT_RATE_1, "FUNC_REPORT1"},
    SkinnedControl{CONTROL_REPORT_RATE_2, "FUNC_REPORT2"},
    SkinnedControl{CONTROL_REPORT_RATE_3, "FUNC_REPORT3"},
    SkinnedControl{CONTROL_REPORT_RATE_4, "FUNC_REPORT4"},
    SkinnedControl{CONTROL_APPLY, "CONTROL2_APPLY"},
    SkinnedControl{CONTROL_OK, "CONTROL_OK"},
    SkinnedControl{CONTROL_CANCEL, "CONTROL_CANCEL"},
    SkinnedControl{CONTROL_MENU, "CONTROL_MENU"},
    SkinnedControl{CONTROL_HELP, "CONTROL_HELP"},
    SkinnedControl{CONTROL_MINIMISE, "CONTROL_MINIMIZE"},
    SkinnedControl{CONTROL_CLOSE, "CONTROL_CLOSE"},
    SkinnedControl{CONTROL_SKIN_LINK, "TALVEN_LINK"},
    SkinnedControl{CONTROL_MAKER_LINK, "CONTROL_LINK"},
    SkinnedControl{CONTROL_NETWORK_LINK, "CONTROL_Network"},
    SkinnedControl{CONTROL_COMMUNITY_LINK, "CONTROL_Facebook"},
    SkinnedControl{CONTROL_NEWS_LINK, "CONTROL_twitter"},
    SkinnedControl{CONTROL_FLIP_1, "FLIP_1"},
    SkinnedControl{CONTROL_FLIP_2, "FLIP_2"},
    SkinnedControl{CONTROL_VERSION, "TALVEN_VER"},
    SkinnedControl{CONTROL_FLIP_INDICATOR, "FLIP_0"},
    SkinnedControl{CONTROL_BANK_INDICATOR, "LOCK_AB"},
    SkinnedControl{CONTROL_CAPS_LOCK, "LOCK_CAPS"},
    SkinnedControl{CONTROL_NUM_LOCK, "LOCK_NUM"},
    SkinnedControl{CONTROL_SCROLL_LOCK, "LOCK_SCROLL"},
};

// Controls placed from the skin file besides the image buttons.
inline constexpr const char* SKIN_FN_KEY = "KEY_FN";
inline constexpr const char* SKIN_BUSY_PICTURE = "CONTROL_JDTStatic";

// Commands of the backup menu, the window's own menu and the tray icon's menu.
inline constexpr int COMMAND_MENU_RESTORE = 32776;
inline constexpr int COMMAND_MENU_BACKUP = 32777;
inline constexpr int COMMAND_EXIT = 32779;
inline constexpr int COMMAND_ABOUT = 16;
inline constexpr int COMMAND_MINIMISE = 0xF020;  // the window system's minimise command
inline constexpr int COMMAND_TRAY_OPEN = 32771;
inline constexpr int COMMAND_TRAY_ABOUT = 32773;
inline constexpr int COMMAND_TRAY_EXIT = 32774;

// The menus' items with the language keys of their texts, in menu order.
inline constexpr std::array MENU_BACKUP_ITEMS = {
    CommandMenuItem{COMMAND_MENU_RESTORE, "MENU_1"},
    CommandMenuItem{COMMAND_MENU_BACKUP, "MENU_2"},
    CommandMenuItem{static_cast<int>(CMD_ID_FIRMWARE_UPDATE), "MENU_FIRMWARE_UPDATE"},
};
inline constexpr std::array MENU_SYSTEM_ITEMS = {
    CommandMenuItem{COMMAND_MINIMISE, "MAIN_MINIMIZE_PROMPT"},
    CommandMenuItem{COMMAND_ABOUT, "MENU_22"},
};
// Open comes first: it is the default item.
inline constexpr std::array MENU_TRAY_ITEMS = {
    CommandMenuItem{COMMAND_TRAY_OPEN, "MENU_11"},
    CommandMenuItem{COMMAND_TRAY_ABOUT, "MENU_22"},
    CommandMenuItem{COMMAND_TRAY_EXIT, "MENU_33"},
};

}  // namespace keyloom
