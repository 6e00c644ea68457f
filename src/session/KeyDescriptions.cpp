#include "session/KeyDescriptions.h"

#include <mutex>

#include "model/KeyButtonTable.h"
#include "model/KeyNames.h"
#include "model/MacroList.h"
#include "session/KeyboardSession.h"
#include "session/LanguageMessage.h"

namespace keyloom {

KeyDescriptions DescribeAssignments(KeyboardSession& session, int profile, int bank) {
    const TextLookup text = [&session](const std::string& key) {
        return SessionText(session, key);
    };
    const MacroNameLookup macroName = [&session](uint32_t id) {
        const MacroRecord* macro = FindMacroById(session.profile.macros, id);
        return macro != nullptr ? macro->Name() : std::string();
    };
    KeyDescriptions descriptions;
    std::lock_guard lock(session.context.profileLock);
    const AssignmentTable table = session.profile.Assignments();
    for (const KeyButton& key : KeyButtons()) {
        descriptions.keys.push_back(
            DescribeAssignment(KeyNameOfScanCode(key.code, text),
                               table.EntryOf(profile, IndexOfScanCode(key.code)), text, macroName));
    }
    for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
        descriptions.gKeys[static_cast<size_t>(position)] = DescribeAssignment(
            GKeyTitle(position), table.EntryOf(profile, GKeySlot(bank, position)), text, macroName);
    }
    return descriptions;
}

}  // namespace keyloom
