#pragma once

// What the key settings dialog reads and stores in the working profile: the record of one slot
// of the current profile, and with it the edited macro list.

#include "model/KeyAssignment.h"
#include "model/MacroList.h"
#include "session/KeyboardSession.h"

namespace keyloom {

// The record of the slot in the current profile; a zero record when the profile is not known.
KeyAssignment ReadKeyRecord(KeyboardSession& session, int slot);

// Under ProfileLock: the edited macros become the macro list (keys left playing a removed macro
// return to their factory function), the slot's text is released, and kind, tag and value go
// into the slot's record of the current profile, which keeps its other fields. The changes wait
// for the main window's Apply. False, and no record stored, when the current profile is not
// known; the macro list is stored either way.
bool StoreKeyRecord(KeyboardSession& session, int slot, const KeyAssignment& record,
                    MacroList editedMacros);

}  // namespace keyloom
