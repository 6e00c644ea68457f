#pragma once

// Macros brought in from a file join the macro list. One with the name of a macro of the list
// takes that macro's place and id, so the keys that play it go on playing it; any other is added
// at the end with the smallest free id.

#include <cstddef>

#include "model/MacroList.h"

namespace keyloom {

struct MacroImportCount {
    size_t added = 0;
    size_t replaced = 0;
    bool fits = true;  // false: the list would hold more than MACRO_LIST_CAPACITY, and is unchanged
};

MacroImportCount ImportMacros(MacroList& list, const MacroList& imported);

}  // namespace keyloom
