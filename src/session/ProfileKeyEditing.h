#pragma once

// Editing the keys of any profile without the key settings dialog, as keyloomctl does: a key's
// record stored in a chosen profile, the macros a record can name, and which keys the keyboard's
// key table can carry at all.

#include "model/KeyAssignment.h"
#include "model/MacroList.h"
#include "session/KeyboardSession.h"

namespace keyloom {

// Kind, tag and value go into the slot's record of the profile, which keeps its other fields,
// and the slot's text is released; the caller holds ProfileLock. False, and nothing stored, for a
// profile outside 0 to 2.
bool StoreKeyRecordLocked(KeyboardSession& session, int profile, int slot,
                          const KeyAssignment& record);

// The same under ProfileLock; a stored record waits for an apply (the Apply button is enabled).
bool StoreKeyRecordInProfile(KeyboardSession& session, int profile, int slot,
                             const KeyAssignment& record);

// A copy of the working profile's macro list, taken under ProfileLock.
MacroList WorkingMacros(KeyboardSession& session);

// Under ProfileLock the edited macros become the macro list, and keys left playing a macro that
// is gone return to their factory function; the change waits for an apply.
void StoreWorkingMacros(KeyboardSession& session, MacroList edited);

// Whether the macro may be deleted, as the key settings dialog decides it: yes when no key of any
// profile plays it, otherwise the answer to the question whether to delete it anyway (No as the
// default). Takes ProfileLock.
bool ConfirmWorkingMacroDelete(KeyboardSession& session, const MacroRecord& macro);

// Whether the keyboard's factory key table has a position for the key or G key of the slot. A key
// without one keeps its factory code on the keyboard whatever it is assigned.
bool KeyTableHasSlot(KeyboardSession& session, int slot);

}  // namespace keyloom
