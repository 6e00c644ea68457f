#include "storage/SkinLayoutKeys.h"

#include <array>
#include <cstdio>
#include <span>

#include "model/KeyButtonTable.h"

namespace keyloom {

namespace {

constexpr std::array kMainSkinned = {
    "TALVEN_LINK",    "FUNC_PROFILES", "FUNC_MACRO",   "CONTROL_OK",       "CONTROL_CANCEL",
    "CONTROL_HELP",   "CONTROL_CLOSE", "CONTROL_LINK", "CONTROL_MINIMIZE", "CONTROL_MENU",
    "CONTROL2_APPLY", "LOCK_CAPS",     "LOCK_NUM",     "LOCK_SCROLL",      "LOCK_AB",
    "FLIP_0",         "FLIP_1",        "FLIP_2",       "TALVEN_VER",       "FUNC_PROFILE1",
    "FUNC_PROFILE2",  "FUNC_PROFILE3", "FUNC_DEFAULT", "FUNC_SWITCH",      "FUNC_REPORT1",
    "FUNC_REPORT2",   "FUNC_REPORT3",  "FUNC_REPORT4", "KEY_FN",
};

constexpr std::array kMainPlaced = {"COLOR_R", "COLOR_G", "COLOR_B"};

constexpr std::array kLightingPanelPlaced = {
    "CONTROL_UsbStatic",    "CONTROL_RGBStatic",     "CONTROL_DengStatic",
    "CONTROL_DengStaPic",   "CONTROL_XGcombox",      "CONTROL_JDTStatic",
    "CONTROL_LightStatic",  "CONTROL_LightSlider",   "CONTROL_SpeedStatic",
    "CONTROL_SpeedSlider",  "CONTROL_BLFXStatic",    "CONTROL_BLFXLStaPic",
    "CONTROL_BLFXRStaPic",  "CONTROL_FYYSStatic",    "CONTROL_FYYSButton",
    "CONTROL_FYSJSStaPic",  "CONTROL_FYSJSStatic",   "CONTROL_FYCFStatic",
    "CONTROL_FYdjcfStatic", "CONTROL_FYggcfStatc",   "CONTROL_FYdjcfStaPic",
    "CONTROL_FYggcfStaPic", "CONTROL_HONGPIC",       "CONTROL_HUANGPIC",
    "CONTROL_LVPIC",        "CONTROL_LANPIC",        "CONTROL_HXysStatic",
    "CONTROL_HXysButton",   "CONTROL_HXsjsStatic",   "CONTROL_HXsjsStaPic",
    "CONTROL_JTysStatic",   "CONTROL_JTysButton",    "CONTROL_USERysStatic",
    "CONTROL_USERysButton", "CONTROL_USERjsStatic",  "CONTROL_USERjsButton",
    "CONTROL_USERgjStatic", "CONTROL_USERgjStaPic1", "CONTROL_USERgjStaPic2",
    "CONTROL_Color1",       "CONTROL_Color2",        "CONTROL_Color3",
    "CONTROL_Color4",       "CONTROL_Color5",        "CONTROL_Color6",
    "CONTROL_Color7",       "CONTROL_Color8",        "CONTROL_Network",
    "CONTROL_Facebook",     "CONTROL_twitter",       "CONTROL_TSysStatic",
    "CONTROL_TSysButton",   "CONTROL_TSsjsStatic",   "CONTROL_TSsjsStaPic",
    "CONTROL_CDysStatic",   "CONTROL_CDysButton",    "CONTROL_CDsjsStatic",
    "CONTROL_CDsjsStaPic",  "CONTROL_umCombo",
};

// The direction label and pictures: without suffix for most modes, "2" for modes 1 to 3 and
// "3" for mode 12.
constexpr std::array kLightingPanelMoved = {
    "CONTROL_BLFXStatic",  "CONTROL_BLFXLStaPic",  "CONTROL_BLFXRStaPic",
    "CONTROL_BLFXStatic2", "CONTROL_BLFXLStaPic2", "CONTROL_BLFXRStaPic2",
    "CONTROL_BLFXStatic3", "CONTROL_BLFXLStaPic3", "CONTROL_BLFXRStaPic3",
};

constexpr std::array kMainSurfaces = {
    "main_normal.jpg",  "main_over.jpg",   "main_down.jpg",
    "main_disable.jpg", "main_color0.jpg", "main_color1.jpg",
};

// The lighting panel's bitmaps with fixed names; the numbered ones follow below.
constexpr std::array kLightingPanelPictures = {
    "dengup.bmp",    "dengdown.bmp",   "leftup.bmp",    "leftdown.bmp",   "rightup.bmp",
    "rightdown.bmp", "upup.bmp",       "updown.bmp",    "downup.bmp",     "downdown.bmp",
    "kuosan.bmp",    "kuosandown.bmp", "julong.bmp",    "julongdown.bmp", "hong.bmp",
    "hongok.bmp",    "huang.bmp",      "huangok.bmp",   "lv.bmp",         "lvok.bmp",
    "lan.bmp",       "lanok.bmp",      "sjsup.bmp",     "sjsdown.bmp",    "user1up.bmp",
    "user1down.bmp", "user2up.bmp",    "user2down.bmp",
};

struct NumberedPictures {
    const char* format;
    int first;
    int last;
};

// Slider images "0.bmp" to "25.bmp", busy frames "jdt1.bmp" to "jdt10.bmp", swatches
// "Color1.bmp" to "Color8.bmp".
constexpr std::array<NumberedPictures, 3> kLightingPanelNumberedPictures = {{
    {"%d.bmp", 0, 25},
    {"jdt%d.bmp", 1, 10},
    {"Color%d.bmp", 1, 8},
}};

constexpr std::array kCompositeSkinned = {
    "CONTROL_MASK",       "CONTROL_TITLE",    "CONTROL_OSK",       "CONTROL_CLEAR",
    "CONTROL_MEDIA",      "CONTROL_MACRO",    "CONTROL_KEY",       "CONTROL_FUNCTION",
    "CONTROL_OK",         "CONTROL_CANCEL",   "FUNC_MACRO_DELETE", "FUNC_MACRO_ADD",
    "FUNC_MACRO_UP_TOP",  "FUNC_MACRO_UP",    "FUNC_MACRO_DOWN",   "FUNC_MACRO_DOWN_BOTTOM",
    "FUNC_MACRO_DELETE2", "FUNC_MACRO_CLEAR", "FUNC_MACRO_RECORD",
};

constexpr std::array kCompositePlaced = {
    "FUNC_MACRO_RECORD_DELAY",
    "FUNC_MACRO_LIST2",
    "FUNC_MACRO_CYCLES",
    "FUNC_MACRO_CYCLES_PROMPT",
    "TISHI_SINGLE_STATIC",
    "MARCO_NAME_SETTING",
    "KEY_SETTING",
    "MEDIA_SETTING_TISHI",
    "FUNCTION_KEY_SETTING_TISHI",
    "FUNC_MACRO_RECORD_DELAY2",
    "FUNC_KEY_INPUT",
    "FUNC_MEDIA_SELECT",
    "FUNC_MACRO_LIST",
    "FUNC_FUNCTION_SELECT",
    "FUNC_KEY_RADIO_KB",
    "FUNC_KEY_RADIO_KB_STATIC",
    "FUNC_KEY_RADIO_MOU",
    "FUNC_KEY_RADIO_MOU_STATIC",
};

constexpr std::array kCompositeSurfaces = {
    "key_normal.jpg",    "key_over.jpg",    "key_down.jpg",        "macro_normal.jpg",
    "macro_over.jpg",    "macro_down.jpg",  "macro_disable.jpg",   "macro2_normal.jpg",
    "macro2_over.jpg",   "macro2_down.jpg", "macro2_disable.jpg",  "media_normal.jpg",
    "media_over.jpg",    "media_down.jpg",  "function_normal.jpg", "function_over.jpg",
    "function_down.jpg",
};

constexpr std::array kProfileSkinned = {
    "CONTROL_OK", "CONTROL_CANCEL", "FUNC_ADD", "FUNC_LOAD", "FUNC_DELETE", "CONTROL2_APPLY",
};
constexpr std::array kProfilePlaced = {"PROGRAM_LIST", "PROFILE_TITLE"};
constexpr std::array kProfileSurfaces = {"Profile_normal.jpg", "Profile_over.jpg",
                                         "Profile_down.jpg"};

constexpr std::array kUpdateSkinned = {
    "CONTROL_CUPButton",
    "CONTROL_UPButton",
    "CONTROL_OPENButton",
    "CONTROL_BACKUPButton",
};
constexpr std::array kUpdatePlaced = {"CONTROL_UPStatic", "CONTROL_UPCombox", "UPDATE_TITLE"};
constexpr std::array kUpdateSurfaces = {"update_normal.jpg", "update_over.jpg"};

constexpr int kGKeyCount = 9;

std::string Formatted(const char* format, int number) {
    char text[32];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

void Append(std::vector<std::string>& list, std::span<const char* const> names) {
    list.insert(list.end(), names.begin(), names.end());
}

void AppendNumbered(std::vector<std::string>& list, const NumberedPictures& pictures) {
    for (int number = pictures.first; number <= pictures.last; ++number) {
        list.push_back(Formatted(pictures.format, number));
    }
}

SkinWindowKeys MakeMainSkinKeys() {
    SkinWindowKeys keys;
    keys.skinFile = "Main.ini";
    Append(keys.skinned, kMainSkinned);
    for (int number = 1; number <= kGKeyCount; ++number) {
        keys.skinned.push_back(GKeySkinKey(number));
    }
    for (const KeyButton& button : KeyButtons()) {
        keys.skinned.push_back(KeyButtonSkinKey(button.code));
    }
    Append(keys.placed, kMainPlaced);
    Append(keys.placed, kLightingPanelPlaced);
    Append(keys.moved, kLightingPanelMoved);
    keys.arrowPlaces = {SKIN_LEFT_ARROW, SKIN_RIGHT_ARROW};
    for (const bool left : {true, false}) {
        for (const bool flipSet : {true, false}) {
            keys.arrowFaces.push_back(ArrowFaceSkinKey(left, flipSet));
        }
    }
    Append(keys.surfaces, kMainSurfaces);
    keys.pictures.push_back("Arrow.jpg");
    Append(keys.pictures, kLightingPanelPictures);
    for (const NumberedPictures& numbered : kLightingPanelNumberedPictures) {
        AppendNumbered(keys.pictures, numbered);
    }
    return keys;
}

SkinWindowKeys MakeDialogSkinKeys(const char* skinFile, std::span<const char* const> skinned,
                                  std::span<const char* const> placed,
                                  std::span<const char* const> surfaces) {
    SkinWindowKeys keys;
    keys.skinFile = skinFile;
    Append(keys.skinned, skinned);
    Append(keys.placed, placed);
    Append(keys.surfaces, surfaces);
    return keys;
}

}  // namespace

std::string KeyButtonSkinKey(ScanCode code) {
    return Formatted("KEY_%03X", IndexOfScanCode(code));
}

std::string GKeySkinKey(int number) {
    return Formatted("FUNC_G%d", number);
}

std::string ArrowFaceSkinKey(bool left, bool flipSet) {
    const char* prefix = left ? (flipSet ? "UP_ARROW_LEFT" : "DOWN_ARROW_LEFT")
                              : (flipSet ? "UP_ARROW_RIGHT" : "DOWN_ARROW_RIGHT");
    return std::string(prefix) + "1";
}

const SkinWindowKeys& MainSkinKeys() {
    static const SkinWindowKeys keys = MakeMainSkinKeys();
    return keys;
}

const SkinWindowKeys& CompositeSkinKeys() {
    static const SkinWindowKeys keys = MakeDialogSkinKeys("Composite.ini", kCompositeSkinned,
                                                          kCompositePlaced, kCompositeSurfaces);
    return keys;
}

const SkinWindowKeys& ProfileSkinKeys() {
    static const SkinWindowKeys keys =
        MakeDialogSkinKeys("Profile.ini", kProfileSkinned, kProfilePlaced, kProfileSurfaces);
    return keys;
}

const SkinWindowKeys& UpdateSkinKeys() {
    static const SkinWindowKeys keys =
        MakeDialogSkinKeys("UpdateDlg.ini", kUpdateSkinned, kUpdatePlaced, kUpdateSurfaces);
    return keys;
}

const std::vector<const SkinWindowKeys*>& AllSkinWindows() {
    static const std::vector<const SkinWindowKeys*> windows = {
        &MainSkinKeys(), &CompositeSkinKeys(), &ProfileSkinKeys(), &UpdateSkinKeys()};
    return windows;
}

}  // namespace keyloom
