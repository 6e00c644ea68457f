#pragma once

// The language of the tool and its texts. Every text the user sees is looked up by key in a
// language file beside the executable ("Lang%04X.ini", the language id in upper-case hex) at the
// moment it is needed; nothing is cached. The language id lives in the settings key (value
// dwLanguageId) and is chosen from the system language the first time.
//
// A language file has three sections: TEXT (captions, tooltips, key names, messages), LIGHT (the
// labels of the lighting panel) and MODE (the lighting mode names, keyed by the mode number in
// decimal). A missing file, section or key gives the text "#Error"; an empty value gives "".

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/RegistryKey.h"

namespace keyloom {

// The language ids by language slot. Slots 2 and 3 hold no language (their file is Lang0000.ini).
inline constexpr std::array<uint16_t, 4> LanguageTable = {0x0409, 0x0804, 0x0000, 0x0000};

// A system language id and the id it is taken as before it is accepted.
struct LanguageIdPair {
    uint16_t system;
    uint16_t becomes;
};

// Chinese (Hong Kong) reads the Simplified Chinese file; Chinese (Singapore) becomes Traditional
// Chinese, which has no file and so falls back to English like every English variant.
inline constexpr std::array<LanguageIdPair, 12> SystemLanguageMap = {{
    {0x0C04, 0x0804},
    {0x1004, 0x0404},
    {0x0809, 0x0409},
    {0x0C09, 0x0409},
    {0x1009, 0x0409},
    {0x1409, 0x0409},
    {0x1809, 0x0409},
    {0x1C09, 0x0409},
    {0x2009, 0x0409},
    {0x2409, 0x0409},
    {0x2809, 0x0409},
    {0x2C09, 0x0409},
}};

// The value of the settings key that holds the language id (REG_DWORD, 0 = not chosen yet).
inline constexpr const char* kLanguageIdValue = "dwLanguageId";

// The text of a missing file, section or key.
inline constexpr const char* kMissingLanguageText = "#Error";

// Buffer of one lookup in characters; a value is at most kLanguageTextChars - 1 characters long.
inline constexpr size_t kLanguageTextChars = 260;

// The language id in use, read from the settings key on every call. When the value is missing or
// not a REG_DWORD it is rewritten as 0; a value of 0 is replaced by the id chosen from the system
// language (0x0409 or 0x0804), which is written back.
int CurrentLanguageId();
int CurrentLanguageId(const RegistryKey& settings);

// The first slot 0 to 2 whose id is the current language id; 0 when none is.
int LanguageSlot();
int LanguageSlot(const RegistryKey& settings);

// The language file of a slot in a folder (with its trailing '/'); a slot outside 0 to 3 is
// taken as 0.
std::string LanguageFilePath(int slot, const std::string& folder);

// The text of a key in section TEXT, LIGHT or MODE of the language file of a slot. Without a
// folder the file is looked for in the executable's folder.
std::string LangText(const std::string& key, int slot);
std::string LangText(const std::string& key, int slot, const std::string& folder);
std::string LangLightText(const std::string& key, int slot);
std::string LangLightText(const std::string& key, int slot, const std::string& folder);
std::string LangModeText(const std::string& key, int slot);
std::string LangModeText(const std::string& key, int slot, const std::string& folder);

}  // namespace keyloom
