#pragma once

// The languages key names are typed in: English, which scripts are written in, and the tool's
// current language, whose names the window and `keys` show.

#include <span>

#include "model/KeyNames.h"

namespace keyloom {

// From the language files beside keyloomctl; each text is read from its file once.
std::span<const TextLookup> KeyNameLanguages();

}  // namespace keyloom
