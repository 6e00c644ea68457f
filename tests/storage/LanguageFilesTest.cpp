// Checks of the two shipped language files: their form, their agreement with each other and with
// the keys that the tool looks up.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <map>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/KeyCatalog.h"
#include "model/KeyNameMatch.h"
#include "platform/IniDocument.h"
#include "platform/PrivateProfile.h"
#include "platform/TextEncoding.h"
#include "storage/LanguageTables.h"
#include "support/FileContents.h"

namespace keyloom {
namespace {

using test::FileText;

// Captions and tooltips of the main window.
constexpr const char* kMainWindowKeys[] = {"MAIN_CAPTION",        "MAIN_MINIMIZE_PROMPT",
                                           "MAIN_MENU_PROMPT",    "MAIN_CLOSE_PROMPT",
                                           "MAIN_HELP_PROMPT",    "PROFILE_1",
                                           "PROFILE_2",           "PROFILE_3",
                                           "PROFILE_MACRO",       "PROFILE_DEFAULT",
                                           "PROFILE_OK",          "PROFILE_CANCLE",
                                           "PROFILE_APPLY",       "PROFILE_TIP",
                                           "DEFAULT_PROFILE_NAME"};

// The backup and restore menu, the tray icon and its menu.
constexpr const char* kMenuAndTrayKeys[] = {"MENU_1",  "MENU_2",  "MENU_FIRMWARE_UPDATE",
                                            "MENU_3",  "MENU_4",  "KEYBOARD_TRAY_DESC",
                                            "MENU_11", "MENU_22", "MENU_33"};

// The profile manager.
constexpr const char* kProfileManagerKeys[] = {
    "PROFILE_MANAGER_TITLE", "PROFILE_LOAD",        "PROFILE_ADD",         "PROFILE_DELETE",
    "PROFILE_COLUMN_ACTIVE", "PROFILE_COLUMN_NAME", "PROFILE_COLUMN_PATH", "PROFILE_RESTORE_ROW"};

// The about box.
constexpr const char* kAboutBoxKeys[] = {"LANG_ABOUT_TITLE", "GUANYU_JIESHAO", "GUANYU_BANQUAN",
                                         "LANG_ABOUT_OK"};

// Messages, and the name offered for a new profile file.
constexpr const char* kMessageKeys[] = {"MAIN_NO_DEVICE_PROMPT",  "MAIN_NO_TRAY_PROMPT",
                                        "MAIN_NO_ACCESS_PROMPT",  "MAIN_DEFAULT_MATRIX_PROMPT",
                                        "MAIN_PROMPT_DEFAULT",    "MAIN_PROMPT_INPORT",
                                        "PROFILE_FORMAT_ERROR",   "PROFILE_SELECT_PROMPT",
                                        "PROFILE_SEELCT_PROMPT2", "PROFILE_NEW",
                                        "EXTRA_MACRO_TOO_LONG",   "EXTRA_PROFILE_SPACE_TIGHT",
                                        "EXTRA_WRITE_FAILED",     "MAIN_BACKUP_FAILED",
                                        "PROFILE_SELECT_FAILED"};

// The key settings window.
constexpr const char* kKeySettingsKeys[] = {"KEY_SETTING_TISHI",
                                            "MACRO_EDIT_TISHI",
                                            "SINGLE_KEY",
                                            "MACRO_SETTING",
                                            "MULTI_MEDIA",
                                            "FUNCTION_KEY",
                                            "COMPOSITE_PROMPT_CLEAR",
                                            "COMPOSITE_PROMPT_OSK",
                                            "COMPOSITE_PROMPT_NO_OSK",
                                            "SINGLE_STATIC",
                                            "IDS_MACRO_KB_KEY",
                                            "IDS_MACRO_MOU_KEY",
                                            "MEDIA_EDIT_TISHI",
                                            "FUNCTION_TISHI",
                                            "MACRO_OK",
                                            "MACRO_CANCLE"};

// The macro page of the key settings window, and the macro messages.
constexpr const char* kMacroPageKeys[] = {"MACRO_NAME_SETTING",
                                          "MACRO_KEYS_TISHI",
                                          "MACRO_ACTION_TISHI",
                                          "MACRO_DELAY_MS",
                                          "A_RECORD",
                                          "MACRO_ACTION_RECORD",
                                          "MACRO_ACTION_STOP_RECORD",
                                          "A_DELETE",
                                          "A_CLEAR",
                                          "A_TOP",
                                          "A_UP",
                                          "A_DOWN",
                                          "A_BOTTOM",
                                          "RECORD_DELAY",
                                          "MACRO_ACTION_RECORD_DELAY",
                                          "MACRO_CYCLES",
                                          "MACRO_NEW_PREFIX",
                                          "MACRO_ERR_MAX",
                                          "MACRO_ACTION_ERR_DELAY_MAX",
                                          "MACRO_ACTION_ERR_MODIFY",
                                          "MACRO_ACTION_CLEAR_CONFIRM",
                                          "MACRO_DELETE_CONFIRM_OF_KEYS"};

// Key tooltips and the name of a key without a name of its own.
constexpr const char* kKeyTooltipKeys[] = {"KEY_PROMPT_SET",      "KEY_PROMPT_SINGLE",
                                           "KEY_PROMPT_MACRO",    "KEY_PROMPT_MEDIA",
                                           "KEY_PROMPT_FUNCTION", "UNKNOWN_KEY"};

// The eleven keyboard functions.
constexpr const char* kKeyboardFunctionKeys[] = {
    "FUNC_KEY_DESC1", "FUNC_KEY_DESC2",  "FUNC_KEY_DESC3", "FUNC_KEY_DESC4",
    "FUNC_KEY_DESC5", "FUNC_KEY_DESC6",  "FUNC_KEY_DESC7", "FUNC_KEY_DESC8",
    "FUNC_KEY_DESC9", "FUNC_KEY_DESC10", "FUNC_KEY_DESC11"};

// Key names: letters.
constexpr const char* kLetterKeyNames[] = {
    "IDS_KEYBOARD_A", "IDS_KEYBOARD_B", "IDS_KEYBOARD_C", "IDS_KEYBOARD_D", "IDS_KEYBOARD_E",
    "IDS_KEYBOARD_F", "IDS_KEYBOARD_G", "IDS_KEYBOARD_H", "IDS_KEYBOARD_I", "IDS_KEYBOARD_J",
    "IDS_KEYBOARD_K", "IDS_KEYBOARD_L", "IDS_KEYBOARD_M", "IDS_KEYBOARD_N", "IDS_KEYBOARD_O",
    "IDS_KEYBOARD_P", "IDS_KEYBOARD_Q", "IDS_KEYBOARD_R", "IDS_KEYBOARD_S", "IDS_KEYBOARD_T",
    "IDS_KEYBOARD_U", "IDS_KEYBOARD_V", "IDS_KEYBOARD_W", "IDS_KEYBOARD_X", "IDS_KEYBOARD_Y",
    "IDS_KEYBOARD_Z"};

// Key names: digits and punctuation.
constexpr const char* kDigitAndPunctuationKeyNames[] = {
    "IDS_KEYBOARD_1",   "IDS_KEYBOARD_2",    "IDS_KEYBOARD_3",     "IDS_KEYBOARD_4",
    "IDS_KEYBOARD_5",   "IDS_KEYBOARD_6",    "IDS_KEYBOARD_7",     "IDS_KEYBOARD_8",
    "IDS_KEYBOARD_9",   "IDS_KEYBOARD_0",    "IDS_KEYBOARD_AID1",  "IDS_KEYBOARD_MINUS",
    "IDS_KEYBOARD_EQU", "IDS_KEYBOARD_SB1",  "IDS_KEYBOARD_SB2",   "IDS_KEYBOARD_AV",
    "IDS_KEYBOARD_SEM", "IDS_KEYBOARD_QUOT", "IDS_KEYBOARD_COMMA", "IDS_KEYBOARD_PER",
    "IDS_KEYBOARD_VIR"};

// Key names: function row and editing keys.
constexpr const char* kFunctionRowAndEditingKeyNames[] = {
    "IDS_KEYBOARD_ESC",       "IDS_KEYBOARD_F1",    "IDS_KEYBOARD_F2",     "IDS_KEYBOARD_F3",
    "IDS_KEYBOARD_F4",        "IDS_KEYBOARD_F5",    "IDS_KEYBOARD_F6",     "IDS_KEYBOARD_F7",
    "IDS_KEYBOARD_F8",        "IDS_KEYBOARD_F9",    "IDS_KEYBOARD_F10",    "IDS_KEYBOARD_F11",
    "IDS_KEYBOARD_F12",       "IDS_KEYBOARD_PRINT", "IDS_KEYBOARD_SYSREQ", "IDS_KEYBOARD_SCROLL",
    "IDS_KEYBOARD_PAUSE",     "IDS_KEYBOARD_BREAK", "IDS_KEYBOARD_BS",     "IDS_KEYBOARD_TAB",
    "IDS_KEYBOARD_CAPS",      "IDS_KEYBOARD_ENTER", "IDS_KEYBOARD_SPACE",  "IDS_KEYBOARD_INSERT",
    "IDS_KEYBOARD_DELETE",    "IDS_KEYBOARD_HOME",  "IDS_KEYBOARD_END",    "IDS_KEYBOARD_PAGE_UP",
    "IDS_KEYBOARD_PAGE_DOWN", "IDS_KEYBOARD_UP",    "IDS_KEYBOARD_DOWN",   "IDS_KEYBOARD_LEFT",
    "IDS_KEYBOARD_RIGHT"};

// Key names: modifiers.
constexpr const char* kModifierKeyNames[] = {
    "IDS_KEYBOARD_LCTRL",  "IDS_KEYBOARD_RCTRL", "IDS_KEYBOARD_LSHIFT",
    "IDS_KEYBOARD_RSHIFT", "IDS_KEYBOARD_LALT",  "IDS_KEYBOARD_RALT",
    "IDS_KEYBOARD_LWIN",   "IDS_KEYBOARD_RWIN",  "IDS_KEYBOARD_APP"};

// Key names: numeric keypad.
constexpr const char* kKeypadKeyNames[] = {
    "IDS_KEYBOARD_NUM",     "IDS_KEYBOARD_S_0",    "IDS_KEYBOARD_S_1",     "IDS_KEYBOARD_S_2",
    "IDS_KEYBOARD_S_3",     "IDS_KEYBOARD_S_4",    "IDS_KEYBOARD_S_5",     "IDS_KEYBOARD_S_6",
    "IDS_KEYBOARD_S_7",     "IDS_KEYBOARD_S_8",    "IDS_KEYBOARD_S_9",     "IDS_KEYBOARD_S_DEL",
    "IDS_KEYBOARD_S_ENTER", "IDS_KEYBOARD_S_PLUS", "IDS_KEYBOARD_S_MINUS", "IDS_KEYBOARD_S_AST",
    "IDS_KEYBOARD_S_VIR"};

// Key names: international keys.
constexpr const char* kInternationalKeyNames[] = {
    "IDS_KEYBOARD_K45",   "IDS_KEYBOARD_K14",  "IDS_KEYBOARD_K56",
    "IDS_KEYBOARD_K107",  "IDS_KEYBOARD_ROMA", "IDS_KEYBOARD_CHG",
    "IDS_KEYBOARD_N_CHG", "IDS_KEYBOARD_KL",   "IDS_KEYBOARD_KR"};

// Key names: system keys.
constexpr const char* kSystemKeyNames[] = {"IDS_KEYBOARD_POWER", "IDS_KEYBOARD_SLEEP",
                                           "IDS_KEYBOARD_WAKE"};

// Names of the mouse functions.
constexpr const char* kMouseFunctionNames[] = {
    "IDS_KEYBOARD_MOU_LEFT",     "IDS_KEYBOARD_MOU_RIGHT",  "IDS_KEYBOARD_MOU_MIDDLE",
    "IDS_KEYBOARD_ROLL_UP",      "IDS_KEYBOARD_ROLL_DOWN",  "IDS_KEYBOARD_MOU_PANLEFT",
    "IDS_KEYBOARD_MOU_PANRIGHT", "IDS_KEYBOARD_MOU_DBCLICK"};

// Names of the editing and application functions.
constexpr const char* kEditingFunctionNames[] = {
    "IDS_KEYBOARD_FUNC_ZOOMIN",     "IDS_KEYBOARD_FUNC_ZOOMOUT", "IDS_KEYBOARD_FUNC_COPY",
    "IDS_KEYBOARD_FUNC_CUT",        "IDS_KEYBOARD_FUNC_PASTE",   "IDS_KEYBOARD_FUNC_MINI",
    "IDS_KEYBOARD_FUNC_MAXI",       "IDS_KEYBOARD_FUNC_WORD",    "IDS_KEYBOARD_FUNC_EXCEL",
    "IDS_KEYBOARD_FUNC_POWERPOINT", "IDS_KEYBOARD_FUNC_CALENDAR"};

// Names of the media and application keys.
constexpr const char* kMediaKeyNames[] = {
    "MEDIA_PALYER_1",       "MEDIA_PALY_PAUSE_2",    "MEDIA_STOP_PALY_3",   "MEDIA_PREV_TRACK_4",
    "MEDIA_Next_TRACK_5",   "MEDIA_V_LOW_6",         "MEDIA_V_ADD_7",       "MEDIA_MUTE_8",
    "MEDIA_WWW_HOME_9",     "MEDIA_WWW_REFRESH_10",  "MEDIA_WWW_STOP_11",   "MEDIA_WWW_BACK_12",
    "MEDIA_WWW_FORWARD_13", "MEDIA_WWW_FAVORITE_14", "MEDIA_WWW_SEARCH_15", "MEDIA_MY_PC_16",
    "MEDIA_CALC_17",        "MEDIA_MAIL_18"};

std::vector<std::string> Concatenated(std::initializer_list<std::span<const char* const>> groups) {
    std::vector<std::string> keys;
    for (const auto& group : groups) {
        keys.insert(keys.end(), group.begin(), group.end());
    }
    return keys;
}

// The keys of section TEXT that the tool looks up. Every one of them must be in both language
// files, and the files hold no other key.
const std::vector<std::string> kTextKeys = Concatenated(
    {kMainWindowKeys, kMenuAndTrayKeys, kAboutBoxKeys, kProfileManagerKeys, kMessageKeys,
     kKeySettingsKeys, kMacroPageKeys, kKeyTooltipKeys, kKeyboardFunctionKeys, kLetterKeyNames,
     kDigitAndPunctuationKeyNames, kFunctionRowAndEditingKeyNames, kModifierKeyNames,
     kKeypadKeyNames, kInternationalKeyNames, kSystemKeyNames, kMouseFunctionNames,
     kEditingFunctionNames, kMediaKeyNames});

// The labels of the lighting panel, section LIGHT.
const std::vector<std::string> kLightKeys = {"Usb",   "Deng",   "Light", "FX",   "Speed",
                                             "Color", "JColor", "DC",    "Tool", "Other"};

// The lighting mode names, section MODE: the mode numbers 1 to 20.
std::vector<std::string> ModeKeys() {
    std::vector<std::string> keys;
    for (int mode = 1; mode <= 20; ++mode) {
        keys.push_back(std::to_string(mode));
    }
    return keys;
}

// The keys of one section, in file order.
struct Section {
    std::string name;
    std::vector<std::string> keys;
};

// Everything the tool looks up, by section, in the order of the file.
const std::vector<Section> kLookedUp = {
    {"TEXT", kTextKeys}, {"LIGHT", kLightKeys}, {"MODE", ModeKeys()}};

using LookUp = std::string (*)(const std::string&, int, const std::string&);

const std::map<std::string, LookUp> kLookUpOfSection = {
    {"TEXT", &LangText}, {"LIGHT", &LangLightText}, {"MODE", &LangModeText}};

// What a text used as a format must hold: the one placeholder its caller fills.
enum class Placeholder { kNone, kInteger, kString, kMalformed };

void PrintTo(Placeholder placeholder, std::ostream* out) {
    constexpr const char* kNames[] = {"no placeholder", "one integer", "one string",
                                      "a placeholder the formatter refuses"};
    *out << kNames[static_cast<int>(placeholder)];
}

const std::map<std::string, Placeholder> kFormatTexts = {
    {"UNKNOWN_KEY", Placeholder::kInteger},
    {"PROFILE_FORMAT_ERROR", Placeholder::kString},
    {"MAIN_BACKUP_FAILED", Placeholder::kString},
    {"MAIN_NO_ACCESS_PROMPT", Placeholder::kString},
    {"PROFILE_RESTORE_ROW", Placeholder::kString},
    {"MACRO_ERR_MAX", Placeholder::kInteger},
    {"MACRO_ACTION_ERR_DELAY_MAX", Placeholder::kInteger},
};

constexpr int kEnglish = 0;
constexpr int kChinese = 1;
constexpr int kSlots[] = {kEnglish, kChinese};
constexpr size_t kLongestText = kLanguageTextChars - 1;
constexpr size_t kLongestTrayTip = 63;

const std::string kFolder = KEYLOOM_SOURCE_DIR "resources/";

// The sections of an INI text in file order, and the lines that do not belong to the form.
struct LanguageFileLayout {
    std::vector<Section> sections;
    std::vector<std::string> faults;
};

bool IsBlankOrComment(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == ';';
}

void AddKey(LanguageFileLayout& layout, const std::string& line) {
    const auto equals = line.find('=');
    const std::string key = line.substr(0, equals);
    if (equals == std::string::npos || key.empty() || key.find(' ') != std::string::npos) {
        layout.faults.push_back("not a KEY=value line: " + line);
        return;
    }
    if (layout.sections.empty()) {
        layout.faults.push_back("key before the first section: " + line);
        return;
    }
    auto& keys = layout.sections.back().keys;
    const bool repeated = std::any_of(keys.begin(), keys.end(), [&](const std::string& known) {
        return EqualsIgnoringAsciiCase(known, key);
    });
    if (repeated) {
        layout.faults.push_back("repeated key: " + key);
    }
    keys.push_back(key);
}

LanguageFileLayout LayoutOf(const std::string& text) {
    LanguageFileLayout layout;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            layout.faults.push_back("carriage return: " + line);
        } else if (IsBlankOrComment(line)) {
            continue;
        } else if (line.front() == '[' && line.back() == ']') {
            layout.sections.push_back({line.substr(1, line.size() - 2), {}});
        } else {
            AddKey(layout, line);
        }
    }
    return layout;
}

LanguageFileLayout LayoutOfSlot(int slot) {
    return LayoutOf(FileText(LanguageFilePath(slot, kFolder)).value_or(""));
}

const std::vector<std::string>& KeysOf(const LanguageFileLayout& layout, const std::string& name) {
    static const std::vector<std::string> none;
    for (const auto& section : layout.sections) {
        if (section.name == name) {
            return section.keys;
        }
    }
    return none;
}

// The keys of `keys` that `others` lacks.
std::vector<std::string> Lacking(const std::vector<std::string>& keys,
                                 const std::vector<std::string>& others) {
    std::vector<std::string> lacking;
    std::copy_if(keys.begin(), keys.end(), std::back_inserter(lacking), [&](const auto& key) {
        return std::find(others.begin(), others.end(), key) == others.end();
    });
    return lacking;
}

// The value as the tool reads it, however long it is.
std::string FullValue(const std::string& section, const std::string& key, int slot) {
    return ReadProfileString(section, key, kMissingLanguageText, LanguageFilePath(slot, kFolder),
                             4096);
}

size_t Utf16Length(std::string_view text) {
    size_t units = 0;
    for (size_t at = 0; at < text.size();) {
        const Utf8Char character = DecodeUtf8Char(text, at);
        units += Utf16Units(character);
        at += character.length;
    }
    return units;
}

// Every '%' starts a conversion: flags, width and precision, then the conversion letter.
std::vector<std::string> Conversions(const std::string& text) {
    std::vector<std::string> found;
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
        const size_t letter = text.find_first_not_of("-+ #0123456789.", at + 1);
        const size_t end = letter == std::string::npos ? text.size() : letter + 1;
        found.push_back(text.substr(at, end - at));
    }
    return found;
}

Placeholder PlaceholderOf(const std::string& text) {
    const auto conversions = Conversions(text);
    if (conversions.empty()) {
        return Placeholder::kNone;
    }
    const char letter = conversions.front().back();
    if (conversions.size() == 1 && std::string_view("diuxX").find(letter) != std::string::npos) {
        return Placeholder::kInteger;
    }
    return conversions.size() == 1 && letter == 's' ? Placeholder::kString
                                                    : Placeholder::kMalformed;
}

Placeholder ExpectedPlaceholder(const std::string& section, const std::string& key) {
    const auto format = kFormatTexts.find(key);
    const bool isFormat = section == "TEXT" && format != kFormatTexts.end();
    return isFormat ? format->second : Placeholder::kNone;
}

TEST(LanguageFilesTest, FilesAreUtf8WithoutByteOrderMark) {
    for (int slot : kSlots) {
        SCOPED_TRACE(LanguageFilePath(slot, kFolder));
        const std::string text = FileText(LanguageFilePath(slot, kFolder)).value_or("");
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.rfind("\xEF\xBB\xBF", 0), 0u);
        for (size_t at = 0; at < text.size();) {
            const Utf8Char character = DecodeUtf8Char(text, at);
            ASSERT_TRUE(character.valid) << "damaged byte at " << at;
            at += character.length;
        }
    }
}

TEST(LanguageFilesTest, FilesHoldTheThreeSectionsAndOnlyWellFormedLines) {
    for (int slot : kSlots) {
        SCOPED_TRACE(LanguageFilePath(slot, kFolder));
        const LanguageFileLayout layout = LayoutOfSlot(slot);
        EXPECT_EQ(layout.faults, std::vector<std::string>());
        std::vector<std::string> names;
        for (const auto& section : layout.sections) {
            names.push_back(section.name);
        }
        EXPECT_EQ(names, (std::vector<std::string>{"TEXT", "LIGHT", "MODE"}));
    }
}

TEST(LanguageFilesTest, BothLanguagesCarryTheSameKeysInTheSameOrder) {
    const LanguageFileLayout english = LayoutOfSlot(kEnglish);
    const LanguageFileLayout chinese = LayoutOfSlot(kChinese);
    for (const auto& [name, keys] : kLookedUp) {
        SCOPED_TRACE(name);
        const auto& englishKeys = KeysOf(english, name);
        const auto& chineseKeys = KeysOf(chinese, name);
        EXPECT_EQ(Lacking(englishKeys, chineseKeys), std::vector<std::string>()) << "no Chinese";
        EXPECT_EQ(Lacking(chineseKeys, englishKeys), std::vector<std::string>()) << "no English";
        EXPECT_EQ(englishKeys, chineseKeys);
    }
}

TEST(LanguageFilesTest, FilesCarryExactlyTheKeysTheToolLooksUp) {
    for (int slot : kSlots) {
        const LanguageFileLayout layout = LayoutOfSlot(slot);
        for (const auto& [name, keys] : kLookedUp) {
            SCOPED_TRACE(LanguageFilePath(slot, kFolder) + " [" + name + "]");
            EXPECT_EQ(Lacking(keys, KeysOf(layout, name)), std::vector<std::string>())
                << "missing from the file";
            EXPECT_EQ(Lacking(KeysOf(layout, name), keys), std::vector<std::string>())
                << "not looked up by the tool";
        }
    }
}

TEST(LanguageFilesTest, EveryKeyTheToolLooksUpHasAText) {
    for (int slot : kSlots) {
        for (const auto& [name, keys] : kLookedUp) {
            for (const auto& key : keys) {
                const std::string text = kLookUpOfSection.at(name)(key, slot, kFolder);
                EXPECT_NE(text, kMissingLanguageText) << name << "/" << key << " in slot " << slot;
                EXPECT_FALSE(text.empty()) << name << "/" << key << " in slot " << slot;
            }
        }
    }
}

TEST(LanguageFilesTest, NoTextIsLongerThanALookupReturns) {
    for (int slot : kSlots) {
        for (const auto& [name, keys] : kLookedUp) {
            for (const auto& key : keys) {
                EXPECT_LE(Utf16Length(FullValue(name, key, slot)), kLongestText)
                    << name << "/" << key << " in slot " << slot;
            }
        }
    }
}

TEST(LanguageFilesTest, PlaceholdersAreTheSameInBothLanguages) {
    for (const auto& [name, keys] : kLookedUp) {
        for (const auto& key : keys) {
            EXPECT_EQ(Conversions(FullValue(name, key, kEnglish)),
                      Conversions(FullValue(name, key, kChinese)))
                << name << "/" << key;
        }
    }
}

TEST(LanguageFilesTest, FormatsHoldExactlyThePlaceholderTheirCallerFills) {
    for (int slot : kSlots) {
        for (const auto& [name, keys] : kLookedUp) {
            for (const auto& key : keys) {
                EXPECT_EQ(PlaceholderOf(FullValue(name, key, slot)), ExpectedPlaceholder(name, key))
                    << name << "/" << key << " in slot " << slot;
            }
        }
    }
}

TEST(LanguageFilesTest, TrayTooltipFitsTheNotificationArea) {
    for (int slot : kSlots) {
        EXPECT_LE(Utf16Length(LangText("KEYBOARD_TRAY_DESC", slot, kFolder)), kLongestTrayTip);
    }
}

TEST(LanguageFilesTest, RecordDelayTextCanNameASetting) {
    for (int slot : kSlots) {
        const std::string name = LangText("MACRO_ACTION_RECORD_DELAY", slot, kFolder);
        EXPECT_TRUE(IniCanStore("PROFILES", name, "1")) << name;
    }
}

TEST(LanguageFilesTest, NewProfileNameIsAFileNameWithItsLeadingSeparator) {
    for (int slot : kSlots) {
        const std::string name = LangText("PROFILE_NEW", slot, kFolder);
        ASSERT_GT(name.size(), 1u);
        EXPECT_EQ(name.front(), '/');
        EXPECT_EQ(name.find('/', 1), std::string::npos) << name;
    }
}

// keyloomctl takes key names in both languages at once: none may name another key.
TEST(LanguageFilesTest, EveryKeyNameNamesItsOwnKey) {
    std::vector<TextLookup> languages;
    for (int slot : kSlots) {
        std::map<std::string, std::string> names;
        for (const KeyDescriptor& key : KeyCatalog) {
            const std::string textKey(key.textKey);
            const std::string text = textKey.empty() ? "" : LangText(textKey, slot, kFolder);
            names[textKey] = text == kMissingLanguageText ? "" : text;
        }
        languages.push_back([names](const std::string& key) { return names.at(key); });
    }
    for (const KeyDescriptor& key : KeyCatalog) {
        for (const TextLookup& language : languages) {
            const std::string name = key.textKey.empty() ? "" : language(std::string(key.textKey));
            if (!name.empty()) {
                const auto named = ScanCodeOfKeyName(name, languages);
                ASSERT_TRUE(named.has_value()) << name;
                EXPECT_EQ(EntryOfScanCode(*named).textKey, key.textKey) << name;
            }
        }
    }
}

}  // namespace
}  // namespace keyloom
