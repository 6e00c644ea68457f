#pragma once

// Keys refer to macros by id (ASSIGN_MACRO records). Deleting a macro asks first when a key still
// refers to it, and storing an edited macro list repairs the references that it leaves dangling.
// Callers hold ProfileLock for both.

#include <functional>
#include <string>
#include <vector>

#include "model/AssignmentTable.h"
#include "model/MacroList.h"

namespace keyloom {

// Shows a Yes/No message box (No as default) with the language text of the key; true for Yes.
using YesNoQuestion = std::function<bool(const std::string& languageKey)>;

inline constexpr const char* kMacroInUseQuestion = "MACRO_DELETE_CONFIRM_OF_KEYS";

// Whether the macro may be deleted: yes for a macro that was never stored, and yes when no key
// of any block plays it; otherwise the answer to kMacroInUseQuestion. Nothing is changed.
bool ConfirmMacroDelete(const MacroRecord& macro, const AssignmentTable& table,
                        const YesNoQuestion& ask);

struct AssignmentSlot {
    int block;
    int slot;

    friend bool operator==(const AssignmentSlot&, const AssignmentSlot&) = default;
};

struct MacroListReplacement {
    bool assignmentsChanged = false;         // ApplyPending must be set
    std::vector<AssignmentSlot> resetSlots;  // back to the factory function: redraw their keys
};

// Makes the edited records, no longer new, the macro list. Beforehand, in all four blocks, a key
// playing a macro that the edited list lacks (or holds only as new) returns to its factory
// function, and a key playing macro 0 takes the first edited macro.
MacroListReplacement ReplaceMacroList(MacroList& macroList, MacroList edited,
                                      AssignmentTable& table);

}  // namespace keyloom
