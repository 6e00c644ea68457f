#pragma once

// Display names of keys. The catalog holds only language keys; the texts come from section TEXT
// of the current language file, through a lookup the caller passes in, so that the model does not
// depend on where the texts are stored.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "model/ScanCode.h"

namespace keyloom {

// The text of a language key in section TEXT of the current language file; the tool passes
// LangText with LanguageSlot().
using TextLookup = std::function<std::string(const std::string& key)>;

// What a key name is measured against, in UTF-16 units as on Windows, terminating zero included.
inline constexpr size_t kKeyNameCapacity = 260;

// Language key of the name shown for a key without one; the text holds one integer placeholder
// for the ScanCode.
inline constexpr const char* kUnknownKeyText = "UNKNOWN_KEY";

// The name of the key with this list code; empty when no key has it or the key has no textKey.
std::string KeyTextOfListCode(uint16_t listCode, const TextLookup& text);

// The key's name, or the UNKNOWN_KEY text filled with the ScanCode as given, cut at a character
// boundary to capacity - 1 UTF-16 units.
std::string KeyNameOfScanCode(ScanCode code, const TextLookup& text,
                              size_t capacity = kKeyNameCapacity);

}  // namespace keyloom
