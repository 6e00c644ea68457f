#include "storage/LanguageTables.h"

#include <cstdio>

#include "platform/ExecutablePath.h"
#include "platform/PrivateProfile.h"
#include "platform/SystemLanguage.h"

namespace keyloom {

namespace {

constexpr const char* kTextSection = "TEXT";
constexpr const char* kLightSection = "LIGHT";
constexpr const char* kModeSection = "MODE";

constexpr int kEnglishSlot = 0;
constexpr int kChineseSlot = 1;
constexpr int kLanguageSlots = 3;

// The settings key of the process, opened once and kept for its whole life.
const RegistryKey& ProcessSettingsKey() {
    static const RegistryKey settings = RegistryKey::OpenOrCreate();
    return settings;
}

// The stored id; a missing value or one of another type is rewritten as 0.
uint32_t StoredLanguageId(const RegistryKey& settings) {
    const auto stored = settings.ReadDword(kLanguageIdValue);
    if (stored) {
        return *stored;
    }
    // Without a writable settings key the tool runs on, as it does when the key cannot be opened.
    (void)settings.WriteDword(kLanguageIdValue, 0);
    return 0;
}

uint16_t MappedSystemLanguage(uint16_t id) {
    for (const auto& pair : SystemLanguageMap) {
        if (pair.system == id) {
            return pair.becomes;
        }
    }
    return id;
}

uint16_t SupportedOrEnglish(uint16_t id) {
    const bool supported = id == LanguageTable[kEnglishSlot] || id == LanguageTable[kChineseSlot];
    return supported ? id : LanguageTable[kEnglishSlot];
}

uint16_t ChooseFromSystemLanguage(const RegistryKey& settings) {
    const uint16_t chosen = SupportedOrEnglish(MappedSystemLanguage(SystemDefaultLanguageId()));
    (void)settings.WriteDword(kLanguageIdValue, chosen);  // as above
    return chosen;
}

int ValidSlot(int slot) {
    const bool inTable = slot >= 0 && static_cast<size_t>(slot) < LanguageTable.size();
    return inTable ? slot : kEnglishSlot;
}

std::string LookUp(const char* section, const std::string& key, int slot,
                   const std::string& folder) {
    return ReadProfileString(section, key, kMissingLanguageText, LanguageFilePath(slot, folder),
                             kLanguageTextChars);
}

}  // namespace

int CurrentLanguageId() {
    return CurrentLanguageId(ProcessSettingsKey());
}

int CurrentLanguageId(const RegistryKey& settings) {
    const uint32_t stored = StoredLanguageId(settings);
    if (stored != 0) {
        return static_cast<int>(stored);
    }
    return ChooseFromSystemLanguage(settings);
}

int LanguageSlot() {
    return LanguageSlot(ProcessSettingsKey());
}

int LanguageSlot(const RegistryKey& settings) {
    const int id = CurrentLanguageId(settings);
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        if (LanguageTable[slot] == id) {
            return slot;
        }
    }
    return kEnglishSlot;
}

std::string LanguageFilePath(int slot, const std::string& folder) {
    char name[16];
    std::snprintf(name, sizeof name, "Lang%04X.ini", LanguageTable[ValidSlot(slot)]);
    return folder + name;
}

std::string LangText(const std::string& key, int slot) {
    return LangText(key, slot, ExecutableFolder());
}

std::string LangText(const std::string& key, int slot, const std::string& folder) {
    return LookUp(kTextSection, key, slot, folder);
}

std::string LangLightText(const std::string& key, int slot) {
    return LangLightText(key, slot, ExecutableFolder());
}

std::string LangLightText(const std::string& key, int slot, const std::string& folder) {
    return LookUp(kLightSection, key, slot, folder);
}

std::string LangModeText(const std::string& key, int slot) {
    return LangModeText(key, slot, ExecutableFolder());
}

std::string LangModeText(const std::string& key, int slot, const std::string& folder) {
    return LookUp(kModeSection, key, slot, folder);
}

}  // namespace keyloom
