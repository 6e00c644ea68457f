#pragma once

// The G-key bank: the keyboard's bank key switches it, the tool writes the new bank status and
// the window shows the G keys of the bank with their marks and labels.

#include <array>
#include <string>

#include "model/AssignmentTable.h"

namespace keyloom {

struct KeyboardSession;

// The bank key was pressed: the other bank becomes the one shown, its status is written to the
// keyboard, and the window redraws (UM_BANK_CHANGED, waited for).
void SwitchGKeyBank(KeyboardSession& session);

struct GKeyMark {
    bool assigned;
    std::string label;
};
using GKeyMarks = std::array<GKeyMark, G_KEYS_PER_BANK>;

// The core of UM_BANK_CHANGED: for each G key of the bank shown, whether the active profile gives
// it a function of its own, and its label, "A1" to "A5" or "B1" to "B5" (the last four keys have
// none). Takes the profile lock.
GKeyMarks CurrentGKeyMarks(KeyboardSession& session);

}  // namespace keyloom
