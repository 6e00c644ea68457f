#include "cli/LightingModeNames.h"

#include <algorithm>
#include <vector>

#include "cli/TypedLanguages.h"
#include "model/KeyNameMatch.h"
#include "storage/LanguageTables.h"

namespace keyloom {

namespace {

constexpr int kLastMode = 255;  // a mode is one byte

std::string NameIn(int slot, int mode) {
    const std::string name = LangModeText(std::to_string(mode), slot);
    return name == kMissingLanguageText ? std::string() : name;
}

// Modes are named from 1 on, as long as the English file names them: mode i + 1 is entry i.
std::vector<std::string> EnglishModeNames() {
    std::vector<std::string> names;
    const int english = TypedLanguageSlots()[0];
    for (int mode = 1; mode <= kLastMode; ++mode) {
        std::string name = NameIn(english, mode);
        if (name.empty()) {
            break;
        }
        names.push_back(std::move(name));
    }
    return names;
}

struct NamedMode {
    int mode;
    std::string name;  // as names are compared
};

std::vector<NamedMode> NamedModes() {
    std::vector<NamedMode> named;
    const int count = static_cast<int>(EnglishModeNames().size());
    for (int mode = 1; mode <= count; ++mode) {
        for (const int slot : TypedLanguageSlots()) {
            named.push_back({mode, ComparableName(NameIn(slot, mode))});
        }
    }
    return named;
}

}  // namespace

std::string ModeName(int mode) {
    return NameIn(TypedLanguageSlots().back(), mode);
}

std::string ModeText(int mode) {
    const std::string name = ModeName(mode);
    return std::to_string(mode) + (name.empty() ? "" : " (" + name + ")");
}

Checked<int> ModeArgument(std::string_view word) {
    const Checked<int> number = NumberArgument("mode", word, 1, kLastMode);
    if (number) {
        return number;
    }
    const std::string typed = ComparableName(word);
    const std::vector<NamedMode> named = NamedModes();
    const auto exact = std::find_if(named.begin(), named.end(),
                                    [&](const NamedMode& mode) { return mode.name == typed; });
    if (exact != named.end()) {
        return Accepted(exact->mode);
    }
    std::vector<int> begun;
    for (const NamedMode& mode : named) {
        if (!typed.empty() && mode.name.starts_with(typed) &&
            std::find(begun.begin(), begun.end(), mode.mode) == begun.end()) {
            begun.push_back(mode.mode);
        }
    }
    if (begun.size() != 1) {
        return Refused<int>("mode", word,
                            "a number from 1 to 255 or a name: " + ChoiceList(ModeWords()));
    }
    return Accepted(begun.front());
}

std::vector<std::string> ModeWords() {
    std::vector<std::string> words = EnglishModeNames();
    for (std::string& word : words) {
        std::erase(word, ' ');
    }
    return words;
}

}  // namespace keyloom
