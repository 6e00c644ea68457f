#include "session/ProfileKeyEditing.h"

#include <mutex>

#include "device/ConfigCommands.h"
#include "model/AssignmentTable.h"
#include "model/MacroReferences.h"
#include "session/LanguageMessage.h"

namespace keyloom {

bool StoreKeyRecordLocked(KeyboardSession& session, int profile, int slot,
                          const KeyAssignment& record) {
    if (profile < 0 || profile >= KEY_BLOCK_COUNT) {
        return false;
    }
    AssignmentTable table = session.profile.Assignments();
    session.profile.texts.Set(profile * ASSIGNMENT_SLOTS + slot, u"");
    KeyAssignment stored = table.EntryOf(profile, slot);
    stored.kind = record.kind;
    stored.tag = record.tag;
    stored.value = record.value;
    table.SetEntry(profile, slot, stored);
    return true;
}

bool StoreKeyRecordInProfile(KeyboardSession& session, int profile, int slot,
                             const KeyAssignment& record) {
    bool stored = false;
    {
        std::lock_guard lock(session.context.profileLock);
        stored = StoreKeyRecordLocked(session, profile, slot, record);
    }
    if (stored) {
        session.context.window->SetApplyEnabled(true);
    }
    return stored;
}

MacroList WorkingMacros(KeyboardSession& session) {
    std::lock_guard lock(session.context.profileLock);
    return session.profile.macros;
}

void StoreWorkingMacros(KeyboardSession& session, MacroList edited) {
    {
        std::lock_guard lock(session.context.profileLock);
        AssignmentTable table = session.profile.Assignments();
        // Apply is enabled below whatever the replacement reset.
        (void)ReplaceMacroList(session.profile.macros, std::move(edited), table);
    }
    session.context.window->SetApplyEnabled(true);
}

bool ConfirmWorkingMacroDelete(KeyboardSession& session, const MacroRecord& macro) {
    std::lock_guard lock(session.context.profileLock);
    return ConfirmMacroDelete(macro, session.profile.Assignments(), [&](const std::string& key) {
        return ShowLanguageMessage(session, key, MessageButtons::kYesNoDefaultNo) ==
               MessageAnswer::kYes;
    });
}

bool KeyTableHasSlot(KeyboardSession& session, int slot) {
    std::lock_guard lock(session.context.deviceImageLock);
    for (int position = 0; position < KEY_BLOCK_POSITIONS; ++position) {
        const ScanCode key =
            ScanCodeOfDeviceKeyCode(CodeAt(session.defaultKeyMatrix.data(), position));
        if (key != 0 && IndexOfScanCode(key) == slot) {
            return true;
        }
    }
    return false;
}

}  // namespace keyloom
