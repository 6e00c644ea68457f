#include "model/KeyNames.h"

#include <optional>

#include "model/KeyCatalog.h"
#include "platform/SafeFormat.h"
#include "platform/TextEncoding.h"

namespace keyloom {
namespace {

std::string TextOfKey(const KeyDescriptor& key, const TextLookup& text) {
    return key.textKey.empty() ? std::string() : text(std::string(key.textKey));
}

// The longest prefix of whole characters that fits in `units` UTF-16 units.
std::string CutToUnits(const std::string& name, size_t units) {
    size_t end = 0;
    size_t used = 0;
    while (end < name.size()) {
        const Utf8Char character = DecodeUtf8Char(name, end);
        used += Utf16Units(character);
        if (used > units) {
            break;
        }
        end += character.length;
    }
    return name.substr(0, end);
}

}  // namespace

std::string KeyTextOfListCode(uint16_t listCode, const TextLookup& text) {
    const std::optional<KeyIndex> index = KeyIndexOfListCode(listCode);
    return index ? TextOfKey(KeyCatalog[*index], text) : std::string();
}

std::string KeyNameOfScanCode(ScanCode code, const TextLookup& text, size_t capacity) {
    if (capacity == 0) {
        return std::string();
    }
    std::string name = TextOfKey(EntryOfScanCode(code), text);
    if (name.empty()) {
        name = CutToUnits(FormatWithInt(text(kUnknownKeyText), code), kKeyNameCapacity - 1);
    }
    return CutToUnits(name, capacity - 1);
}

}  // namespace keyloom
