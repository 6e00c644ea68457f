#pragma once

// Macro lists of a given size for the benchmarks: named macros of key strokes A to Z.

#include <cstddef>

#include "model/MacroList.h"

namespace keyloom::bench {

// `count` macros (at most 100) of `strokes` key strokes each.
MacroList MacrosOf(int count, int strokes);

// As many macros of `strokes` key strokes as fit, names included, in a macro image of `bytes`.
MacroList MacrosFilling(size_t bytes, int strokes);

}  // namespace keyloom::bench
