#include "session/KeyEditing.h"

#include <mutex>

#include "device/ConfigCommands.h"
#include "model/MacroReferences.h"
#include "session/ActiveProfile.h"

namespace keyloom {

namespace {

bool IsEditableProfile(int profile) {
    return profile >= 0 && profile < KEY_BLOCK_COUNT;
}

}  // namespace

KeyAssignment ReadKeyRecord(KeyboardSession& session, int slot) {
    const int profile = GetActiveProfile(session);
    if (!IsEditableProfile(profile)) {
        return {};
    }
    std::lock_guard lock(session.context.profileLock);
    return session.profile.Assignments().EntryOf(profile, slot);
}

bool StoreKeyRecord(KeyboardSession& session, int slot, const KeyAssignment& record,
                    MacroList editedMacros) {
    const int profile = GetActiveProfile(session);
    {
        std::lock_guard lock(session.context.profileLock);
        AssignmentTable table = session.profile.Assignments();
        // Whatever it reset, Apply is enabled below and the editor redraws every key.
        (void)ReplaceMacroList(session.profile.macros, std::move(editedMacros), table);
        if (IsEditableProfile(profile)) {
            session.profile.texts.Set(profile * ASSIGNMENT_SLOTS + slot, u"");
            KeyAssignment stored = table.EntryOf(profile, slot);
            stored.kind = record.kind;
            stored.tag = record.tag;
            stored.value = record.value;
            table.SetEntry(profile, slot, stored);
        }
    }
    session.context.window->SetApplyEnabled(true);
    return IsEditableProfile(profile);
}

}  // namespace keyloom
