#pragma once

// Key functions and macros are edited in memory and reach the keyboard together on apply: the
// working profile file is saved, a snapshot of the working profile is taken and written to the
// keyboard in one write sequence, while the busy indicator runs. Every trigger of an apply (the
// Apply button and its command, the OK button, the posted MSG_APPLY, the default button) runs
// ApplyChanges on the window thread.

#include <functional>

#include "session/KeyboardSession.h"

namespace keyloom {

// How a write of the snapshot to the keyboard ended.
enum class ImageWrite {
    kWritten,  // every exchange of the write succeeded
    kNotSent,  // nothing was sent: the macros do not fit (the user was told so)
    kFailed,   // an exchange failed, or no active profile is known
};

// Applies the pending changes, if any: the Apply button is disabled only when both the save and
// the keyboard write succeed; a failed keyboard write keeps it enabled and says so
// (EXTRA_WRITE_FAILED). The Apply button, its command from the profile selection and the posted
// MSG_APPLY.
void ApplyChanges(KeyboardSession& session);

// ApplyChanges for changes made to a profile that need not be the active one: when it is not,
// the key tables of all three profiles are written, as a restore writes them.
void ApplyProfileChanges(KeyboardSession& session, int profile);

// The OK button: applies, then hides the window whatever came of it.
void ApplyChangesAndHide(KeyboardSession& session);

// The default button: after a Yes to MAIN_PROMPT_DEFAULT, the nine G keys of the bank shown and
// the keys of the key view lose their functions in the active profile, the change becomes
// pending, `restoreLighting` runs (the window restores the default lighting there while the
// lighting view is on) and the change is applied.
void RestoreDefaults(KeyboardSession& session, const std::function<void()>& restoreLighting);

// Takes the snapshot of the working profile and writes it: the active profile's key table, or all
// three when `allProfiles` says so or a macro of the previous snapshot has moved or gone, and the
// macros. Takes the profile lock, then the device image lock.
[[nodiscard]] ImageWrite SnapshotAndWrite(KeyboardSession& session, bool allProfiles);

// Writes the snapshot to the keyboard. Macros that do not fit the keyboard's macro memory even
// without their names stop the write before anything is sent (EXTRA_MACRO_TOO_LONG); macros that
// fit only without names are written so and EXTRA_PROFILE_SPACE_TIGHT follows the write. Every
// exchange is sent whatever the earlier ones returned, and every one counts: a table refused in
// its middle is a failed write.
[[nodiscard]] ImageWrite WriteDeviceImage(KeyboardSession& session, bool allProfiles);

// Tells the user that the keyboard did not take a write (EXTRA_WRITE_FAILED).
void ReportFailedWrite(KeyboardSession& session);

}  // namespace keyloom
