#include "model/MacroReferences.h"

#include <utility>

namespace keyloom {

namespace {

// Visits every ASSIGN_MACRO record of the table.
template <typename Visit>
void ForEachMacroAssignment(const AssignmentTable& table, Visit visit) {
    for (int block = 0; block < ASSIGNMENT_BLOCK_COUNT; ++block) {
        for (int slot = 0; slot < ASSIGNMENT_SLOTS; ++slot) {
            const KeyAssignment entry = table.EntryOf(block, slot);
            if (entry.kind == ASSIGN_MACRO) {
                visit(AssignmentSlot{block, slot}, entry);
            }
        }
    }
}

bool HoldsStoredMacro(const MacroList& list, uint32_t id) {
    const MacroRecord* macro = FindMacroById(list, id);
    return macro != nullptr && !macro->IsNew();
}

}  // namespace

bool ConfirmMacroDelete(const MacroRecord& macro, const AssignmentTable& table,
                        const YesNoQuestion& ask) {
    if (macro.IsNew()) {
        return true;
    }
    bool inUse = false;
    ForEachMacroAssignment(table, [&](AssignmentSlot, const KeyAssignment& entry) {
        inUse = inUse || entry.value == macro.Id();
    });
    return !inUse || (ask && ask(kMacroInUseQuestion));
}

MacroListReplacement ReplaceMacroList(MacroList& macroList, MacroList edited,
                                      AssignmentTable& table) {
    MacroListReplacement result;
    ForEachMacroAssignment(table, [&](AssignmentSlot at, KeyAssignment entry) {
        if (entry.value != 0 && !HoldsStoredMacro(edited, entry.value)) {
            entry.kind = ASSIGN_DEFAULT;
            entry.value = 0;
            result.resetSlots.push_back(at);
        } else if (entry.value == 0 && !edited.empty()) {
            entry.value = edited.front().Id();
        } else {
            return;
        }
        table.SetEntry(at.block, at.slot, entry);
        result.assignmentsChanged = true;
    });
    for (MacroRecord& macro : edited) {
        macro.SetIsNew(false);
    }
    macroList = std::move(edited);
    return result;
}

}  // namespace keyloom
