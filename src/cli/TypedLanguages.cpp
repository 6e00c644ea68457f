#include "cli/KeyNameLanguages.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "storage/LanguageTables.h"

namespace keyloom {

namespace {

constexpr int kEnglishSlot = 0;

// A missing text names nothing.
TextLookup RememberedTexts(int slot) {
    auto read = std::make_shared<std::map<std::string, std::string>>();
    return [slot, read](const std::string& key) {
        const auto [entry, added] = read->try_emplace(key);
        if (added) {
            const std::string text = LangText(key, slot);
            entry->second = text == kMissingLanguageText ? std::string() : text;
        }
        return entry->second;
    };
}

}  // namespace

std::span<const TextLookup> KeyNameLanguages() {
    static const std::vector<TextLookup> languages = [] {
        std::vector<TextLookup> lookups = {RememberedTexts(kEnglishSlot)};
        if (const int current = LanguageSlot(); current != kEnglishSlot) {
            lookups.push_back(RememberedTexts(current));
        }
        return lookups;
    }();
    return languages;
}

}  // namespace keyloom
