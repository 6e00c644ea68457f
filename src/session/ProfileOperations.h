#pragma once

// The working profile and its files: the working profile file in the per-user folder, which
// mirrors what was last applied to the keyboard, and the backups the user restores and saves.
// Unless said otherwise the caller holds the profile lock. Results are ProfileFileResult values.

#include <cstdint>
#include <string>

#include "session/KeyboardSession.h"
#include "storage/ProfileFile.h"

namespace keyloom {

// The one file that holds all three profiles, whatever the index.
std::string WorkingProfilePath(const KeyboardSession& session, int profile);

// A blank image written as a file at the path, or, with an empty path, made the working
// profile's image (its texts and macros are the caller's to clear).
[[nodiscard]] ProfileFileResult NewProfileImage(KeyboardSession& session, const std::string& path,
                                                uint8_t flag);

// The file's image, macros and texts replace the working profile's. A file that cannot be read
// whole leaves the working profile as it was.
[[nodiscard]] ProfileFileResult LoadProfileFile(KeyboardSession& session, const std::string& path);

// The working profile written to any path. Takes the lock.
[[nodiscard]] ProfileFileResult SaveProfileFile(KeyboardSession& session, const std::string& path);

// The same into the working profile file, and only when that file exists; the caller holds the
// lock.
[[nodiscard]] ProfileFileResult SaveWorkingProfileLocked(KeyboardSession& session);

// Restore: a backup that passes the check becomes the working profile, the working profile file
// and the content of all three profiles of the keyboard; the pending state is cleared. A refused
// file is reported in message boxes and changes nothing. When the keyboard does not take it, the
// user is told and the change stays pending (0). Takes the lock itself.
[[nodiscard]] ProfileFileResult ImportProfileFile(KeyboardSession& session,
                                                  const std::string& path);

// Backup: the working profile saved to the path. Takes the lock.
[[nodiscard]] ProfileFileResult ExportProfileFile(KeyboardSession& session,
                                                  const std::string& path);

// At exit: the working profile and the snapshot of the last apply are let go, each under its
// lock.
void ReleaseProfileData(KeyboardSession& session);

}  // namespace keyloom
