#include "session/KeyEditing.h"

#include <mutex>

#include "device/ConfigCommands.h"
#include "model/MacroReferences.h"
#include "session/ActiveProfile.h"
#include "session/ProfileKeyEditing.h"

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
    bool stored = false;
    {
        std::lock_guard lock(session.context.profileLock);
        AssignmentTable table = session.profile.Assignments();
        // Whatever it reset, Apply is enabled below and the editor redraws every key.
        (void)ReplaceMacroList(session.profile.macros, std::move(editedMacros), table);
        stored = StoreKeyRecordLocked(session, profile, slot, record);
    }
    session.context.window->SetApplyEnabled(true);
    return stored;
}

}  // namespace keyloom
