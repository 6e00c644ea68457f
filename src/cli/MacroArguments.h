#pragma once

// A macro named on the command line, found among the keyboard's macros.

#include <string_view>

#include "cli/ArgumentValues.h"
#include "model/MacroList.h"

namespace keyloom {

// By its name, exactly or else ASCII letter case aside, or else by its id.
Checked<MacroRecord*> MacroArgument(std::string_view word, MacroList& macros);

}  // namespace keyloom
