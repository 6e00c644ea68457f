#pragma once

// The languages names are typed in: English, which scripts are written in, and the tool's current
// language, whose names the window and `keys` show.

#include <span>

#include "model/KeyNames.h"

namespace keyloom {

// Their language slots, English first.
std::span<const int> TypedLanguageSlots();

// Their TEXT sections, where the key names are; each text is read from its file once, and a text
// a file lacks is empty.
std::span<const TextLookup> KeyNameLanguages();

}  // namespace keyloom
