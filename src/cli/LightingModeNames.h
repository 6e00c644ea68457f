#pragma once

// The lighting modes by name: the MODE section of the language files names modes 1, 2, ... in
// English and in the tool's language.

#include <string>
#include <string_view>
#include <vector>

#include "cli/ArgumentValues.h"

namespace keyloom {

// The mode's name in the tool's language; empty when the files do not name it.
std::string ModeName(int mode);
// The number with the name after it in brackets, as people read it: "4 (Breathing)".
std::string ModeText(int mode);

// A mode by its number (1 to 255) or by its name in either language, letter case and spaces
// aside; the beginning of a name is enough when no other name begins so ("fixed" for Fixed
// Color).
Checked<int> ModeArgument(std::string_view word);

// The English names as words: Wave, Flow, ..., ColorCycle, ...
std::vector<std::string> ModeWords();

}  // namespace keyloom
