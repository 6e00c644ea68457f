#pragma once

// Macros as a readable JSON file, for people to keep, edit and share:
//   {"format": "keyloom-macros", "version": 1,
//    "macros": [{"name": "Hello", "repeat": 1,
//                "events": [{"key": "LeftShift", "action": "down", "pause": 30}, ...]}]}
// The caller names the keys. "action" is "down" (a press) or "up" (a release); "pause" is the
// time in milliseconds after the event, before the next one. Reading applies the rules of the
// macro editor to what it reads.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/MacroList.h"
#include "model/ScanCode.h"

namespace keyloom {

using KeyNamer = std::function<std::string(ScanCode key)>;
using KeyOfName = std::function<std::optional<ScanCode>(std::string_view name)>;

// "down" for a press, "up" for a release, as the file says it.
std::string_view MacroActionWord(uint16_t action);

// One event per line.
std::string MacroListJson(const MacroList& macros, const KeyNamer& keyName);

struct MacroJsonRead {
    MacroList macros;                // name, repeat count and events; the ids are the caller's
    std::vector<std::string> notes;  // where the editing rules changed what the file says
    std::string error;               // the first fault, which leaves no macros
};

// At most MACRO_LIST_CAPACITY macros; a member the format does not know is a fault, so that a
// misspelt one is not silently ignored. A repeat count outside 1 to 255 is taken as the nearer
// end, a pause as the macro editor takes a typed one (at most 40000 ms, a multiple of 10), a name
// is cut to what the record holds, and events after the 2000th are left out; each is noted.
MacroJsonRead ReadMacroListJson(std::string_view text, const KeyOfName& keyOfName);

}  // namespace keyloom
