#include "model/KeyNameMatch.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "model/KeyCatalog.h"

namespace keyloom {

namespace {

constexpr std::string_view kCodePrefix = "key_";
constexpr size_t kCodeDigits = 3;

std::optional<ScanCode> CodeOfCodeName(std::string_view comparable) {
    if (!comparable.starts_with(kCodePrefix) ||
        comparable.size() != kCodePrefix.size() + kCodeDigits) {
        return std::nullopt;
    }
    const std::string_view digits = comparable.substr(kCodePrefix.size());
    ScanCode code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, 16);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return code;
}

bool HasName(ScanCode code, const std::string& comparable, std::span<const TextLookup> languages) {
    const KeyDescriptor& key = EntryOfScanCode(code);
    if (IsEmptySlot(key)) {
        return false;
    }
    if (ComparableName(key.label) == comparable || CodeOfCodeName(comparable) == code) {
        return true;
    }
    if (key.textKey.empty()) {
        return false;
    }
    return std::any_of(languages.begin(), languages.end(), [&](const TextLookup& text) {
        const std::string name = text(std::string(key.textKey));
        return !name.empty() && ComparableName(name) == comparable;
    });
}

}  // namespace

std::optional<ScanCode> ScanCodeOfKeyName(std::string_view name,
                                          std::span<const TextLookup> languages) {
    const std::string comparable = ComparableName(name);
    for (KeyIndex index = 0; index < kKeyCatalogSize; ++index) {
        if (HasName(ScanCodeOfIndex(index), comparable, languages)) {
            return ScanCodeOfIndex(index);
        }
    }
    return std::nullopt;
}

std::optional<ScanCode> ScanCodeOfKeyName(std::string_view name, std::span<const ScanCode> among,
                                          std::span<const TextLookup> languages) {
    const std::string comparable = ComparableName(name);
    const auto found = std::find_if(among.begin(), among.end(), [&](ScanCode code) {
        return HasName(code, comparable, languages);
    });
    return found != among.end() ? std::optional(*found) : std::nullopt;
}

std::string KeyCodeName(ScanCode code) {
    char name[16];
    std::snprintf(name, sizeof name, "KEY_%03X", static_cast<unsigned>(code));
    return name;
}

std::string ComparableName(std::string_view name) {
    std::string comparable;
    for (const char c : name) {
        if (c != ' ') {
            comparable += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return comparable;
}

}  // namespace keyloom
