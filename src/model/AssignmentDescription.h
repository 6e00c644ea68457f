#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/KeyAssignment.h"
#include "model/KeyNames.h"

namespace keyloom {

// What a key button shows of its assignment: the tooltip and whether it is drawn marked.
struct AssignmentDescription {
    std::string tooltip;
    bool marked = false;
};

// The name of the macro with this id in the working profile, empty when none has it.
using MacroNameLookup = std::function<std::string(uint32_t macroId)>;

// The title of a key button (its key's name) or of a G-key button ("G1" to "G9", the same in
// both banks), followed for a changed key by what it does now.
AssignmentDescription DescribeAssignment(const std::string& title, const KeyAssignment& record,
                                         const TextLookup& text, const MacroNameLookup& macroName);

// "G%d" for the G-key position 0 to 8 of either bank.
std::string GKeyTitle(int position);

}  // namespace keyloom
