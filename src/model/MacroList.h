#pragma once

// The macros of the working profile, in list order. A macro's position in the list is what the
// keyboard's play-macro code refers to; key assignments refer to a macro by its id.

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/MacroRecord.h"

namespace keyloom {

using MacroList = std::vector<MacroRecord>;

// Also the highest id.
inline constexpr int MACRO_LIST_CAPACITY = 100;

// The first macro with this id; nullptr when none has it.
const MacroRecord* FindMacroById(const MacroList& list, uint32_t id);

// Position of the first macro with this id; 0 when none has it or the list is empty.
int MacroPositionOfId(const MacroList& list, uint32_t id);

// 0 for a position outside the list.
uint16_t MacroIdAt(const MacroList& list, int position);

// A blank record for the list being edited: the name, repeat count 1, marked new, and the smallest
// id from 1 to 100 that no record of the list uses (0 when all are taken).
MacroRecord NewMacroRecord(const MacroList& edited, std::string_view name);

}  // namespace keyloom
