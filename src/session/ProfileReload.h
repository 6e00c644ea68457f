#pragma once

// Reading the keyboard back into the working profile: the keyboard is the master copy of the
// key tables and macros, so its arrival and the profile manager's apply rebuild the working
// profile from it.

#include <string>

#include "session/KeyboardSession.h"
#include "storage/ProfileFile.h"

namespace keyloom {

// The keyboard's three key tables and its macro memory written as a profile file; the working
// profile is not touched. The macro memory is read only as far as the keyboard's capacity goes,
// whatever its header claims. 1; 0 when no active profile is known, a read fails or the file
// cannot be written. Program paths and text blocks are not kept by the keyboard, so the file
// holds none.
[[nodiscard]] ProfileFileResult ReadKeyboardIntoFile(KeyboardSession& session,
                                                     const std::string& path);

// The working profile rebuilt from the keyboard through the working profile file, or a blank
// one when the keyboard cannot be read; the key marks are redrawn. A profile read from the
// keyboard is also the snapshot of what the keyboard holds. Flag 0 also clears the
// pending state. Takes the profile lock itself, after the keyboard reads. 1 when the keyboard's
// profiles were loaded, 0 when the working profile became blank.
[[nodiscard]] ProfileFileResult ReloadFromKeyboard(KeyboardSession& session, int flag);

}  // namespace keyloom
