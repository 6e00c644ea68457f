#include "session/GKeyBank.h"

#include <mutex>

#include "session/ActiveProfile.h"
#include "session/KeyboardSession.h"

namespace keyloom {

namespace {

constexpr int kLabelledGKeys = 5;

}  // namespace

// The window follows the bank on its own thread; the transport thread that calls this waits.
void SwitchGKeyBank(KeyboardSession& session) {
    session.channels.SwitchMacroKeyBank();
    session.context.window->SendMessage(UM_BANK_CHANGED, TAG_BANK, 0);
    session.events.Raise({SessionEventKind::kBankSwitched, session.channels.MacroKeyBank()});
}

GKeyMarks CurrentGKeyMarks(KeyboardSession& session) {
    const int profile = GetActiveProfile(session);
    const int bank = session.channels.MacroKeyBank();
    GKeyMarks marks{};
    std::lock_guard lock(session.context.profileLock);
    const AssignmentTable table = session.profile.Assignments();
    for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
        GKeyMark& mark = marks[static_cast<size_t>(position)];
        mark.assigned = table.EntryOf(profile, GKeySlot(bank, position)).kind != ASSIGN_DEFAULT;
        if (position < kLabelledGKeys) {
            mark.label = {bank == 0 ? 'A' : 'B', static_cast<char>('1' + position)};
        }
    }
    return marks;
}

}  // namespace keyloom
