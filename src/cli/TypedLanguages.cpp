#include "cli/TypedLanguages.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "storage/LanguageTables.h"

namespace keyloom {

namespace {

constexpr int kEnglishSlot = 0;

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

std::span<const int> TypedLanguageSlots() {
    static const std::vector<int> slots = [] {
        std::vector<int> typed = {kEnglishSlot};
        if (const int current = LanguageSlot(); current != kEnglishSlot) {
            typed.push_back(current);
        }
        return typed;
    }();
    return slots;
}

std::span<const TextLookup> KeyNameLanguages() {
    static const std::vector<TextLookup> languages = [] {
        std::vector<TextLookup> lookups;
        for (const int slot : TypedLanguageSlots()) {
            lookups.push_back(RememberedTexts(slot));
        }
        return lookups;
    }();
    return languages;
}

}  // namespace keyloom
