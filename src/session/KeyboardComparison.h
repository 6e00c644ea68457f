#pragma once

// What the keyboard holds compared with a saved profile (the working profile file the window
// saved): the keys whose function differs, profile by profile, and the macros that differ. Both
// sides are taken as the keyboard plays them: a program or text key as the code it is written
// as, a macro key by the position of its macro.

#include <optional>
#include <vector>

#include "model/KeyAssignment.h"
#include "model/MacroList.h"
#include "model/WorkingProfile.h"
#include "session/KeyboardSession.h"

namespace keyloom {

struct KeyDifference {
    int profile;
    int slot;
    KeyAssignment saved;  // a macro key's value is the macro's position + 1 in its own list
    KeyAssignment held;
};

struct MacroDifference {
    size_t position;
    std::optional<MacroRecord> saved;  // nothing: that list ends before the position
    std::optional<MacroRecord> held;
};

struct KeyboardComparison {
    WorkingProfile held;  // what the keyboard holds, as a profile read back from it
    std::vector<KeyDifference> keys;
    std::vector<MacroDifference> macros;
};

// Reads the keyboard's three key tables and its macro memory as the keyboard's arrival does;
// nothing when that fails. Keys without a place in the keyboard's key table are not compared,
// nor are tags, which the keyboard does not keep.
std::optional<KeyboardComparison> CompareWithKeyboard(KeyboardSession& session,
                                                      WorkingProfile saved);

}  // namespace keyloom
