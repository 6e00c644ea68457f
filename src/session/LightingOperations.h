#pragma once

// Reading the keyboard's lighting into memory and writing the fields of the lighting record of
// the profile in view.

#include <cstddef>
#include <cstdint>

#include "device/DeviceResult.h"
#include "session/LightingContext.h"

namespace keyloom {

enum LightingRead : int {
    LIGHTING_READ_OK = 0,
    LIGHTING_CONFIG_UNREADABLE = -1,  // or, for a profile change, an index outside 0 to 2
};

// Empties the mode box, reads the mode list and the three lighting records, takes the values of
// the profile in view and switches the lighting view on when the settings file says it was left
// on. When the configuration block cannot be read, the mode box and the mode list stay empty
// and everything else is kept. A record whose read fails keeps its previous bytes.
[[nodiscard]] LightingRead ReadLightingState(LightingContext& lighting);

// The same after the keyboard changed profile by itself: when the keyboard has the user mode,
// the user presets are reloaded and uploaded inside the read, and the lighting view follows the
// settings file both ways.
[[nodiscard]] LightingRead ReadLightingStateAfterProfileChange(LightingContext& lighting);

// What follows a profile change made on the keyboard: the profile in view becomes the keyboard's
// new active profile before the lighting is read again as above, and the base-colour flags are
// recomputed from the colours read. The read's result; an index outside 0 to 2 changes nothing.
[[nodiscard]] LightingRead FollowKeyboardProfile(LightingContext& lighting, int activeProfile);

// Writes `count` bytes at a field of the record of the profile in view. The write's result;
// -201, nothing sent, when they do not fit in the record.
[[nodiscard]] DeviceResult WriteLightingBytes(LightingContext& lighting, size_t field,
                                              const uint8_t* bytes, size_t count);

// Writes what choosing the mode sets (the mode byte, with the multicolour flag for the modes that
// use it; nothing for mode 19 or no mode) and makes it the current mode. The writes' result, 1
// when nothing is written.
[[nodiscard]] DeviceResult WriteMode(LightingContext& lighting, int mode);

// Writes the default record over the first 35 bytes of the profile in view, which also resets
// the report rate; memory takes the same bytes. The write's result.
[[nodiscard]] DeviceResult WriteDefaultLighting(LightingContext& lighting);

}  // namespace keyloom
