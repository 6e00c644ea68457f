#pragma once

// The keyboard's active profile: read once into the cache, switched on request, and named by the
// caption of the profile manager button.

#include <array>
#include <cstdint>
#include <optional>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "session/KeyboardSession.h"

namespace keyloom {

inline constexpr int NO_ACTIVE_PROFILE = -1;

using ConfigBlock = std::array<uint8_t, CONFIG_BLOCK_SIZE>;

// The keyboard's configuration block, which holds the active profile; nothing when it cannot be
// read.
std::optional<ConfigBlock> ReadConfigBlock(KeyboardSession& session);

// The cached index; when the cache holds none, the keyboard's configuration block is read and
// its byte taken as it is. NO_ACTIVE_PROFILE when that read fails.
int GetActiveProfile(KeyboardSession& session);

// Makes the profile the keyboard's active one with a configuration write of its own. The cache
// follows the write: the index on success, NO_ACTIVE_PROFILE on failure; a failed read before
// it leaves the cache alone. The device result; RESULT_BAD_ARGUMENT, nothing sent, for an index
// outside 0 to 2, which the keyboard cannot hold.
[[nodiscard]] DeviceResult SetActiveProfile(KeyboardSession& session, int profile);

// Asks whether the changes pending in the main window are applied to the current profile (Yes)
// or discarded (No); a call while that question is on screen does nothing.
void SettlePendingChanges(KeyboardSession& session);

// The profile buttons' switch; an index of 3 or more selects profile 0. Refused (false) while the
// key settings dialog is open. Pending changes are first applied or discarded, as the user
// answers; a call that arrives while that question is on screen switches without asking. Then
// the marks, the caption and an open profile manager follow the keyboard. False when the keyboard
// did not switch, which the user is told (PROFILE_SELECT_FAILED).
[[nodiscard]] bool SelectProfile(KeyboardSession& session, int profile);

// The caption of the profile manager button names the active profile, its tooltip says more.
void UpdateProfileCaption(KeyboardSession& session);

}  // namespace keyloom
