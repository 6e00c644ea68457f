#pragma once

// Which key a name typed by a person means: the catalog's label of the key, its name in any of
// the languages given, or "KEY_" with its ScanCode in three hexadecimal digits. ASCII letter case
// and spaces do not count, so "capslock", "Caps Lock" and "KEY_03A" all name Caps Lock. A language
// gives an empty text for a key it has no name for. Where keys share a name (two codes of Right
// Shift), the first in catalog order is meant.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/KeyNames.h"
#include "model/ScanCode.h"

namespace keyloom {

// Among all keys of the catalog; nothing when no key has the name.
std::optional<ScanCode> ScanCodeOfKeyName(std::string_view name,
                                          std::span<const TextLookup> languages);

// Among the given keys only.
std::optional<ScanCode> ScanCodeOfKeyName(std::string_view name, std::span<const ScanCode> among,
                                          std::span<const TextLookup> languages);

// "KEY_03A" for Caps Lock.
std::string KeyCodeName(ScanCode code);

// The name without spaces and with ASCII letters in lower case, as names are compared.
std::string ComparableName(std::string_view name);

}  // namespace keyloom
