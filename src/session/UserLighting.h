#pragma once

// The user lighting mode: per-key colours painted by the user, kept as ten presets per profile
// in the user lighting files and uploaded to the keyboard as a whole colour table.

#include "device/DeviceResult.h"
#include "session/LightingContext.h"

namespace keyloom {

// Paints the key, G-key or Fn button with the colour (tool 0) or the base colour (tool 1): its
// frame, the keyboard's LED, the colour table, the key's base-colour flag for the profile in
// view, and the preset's entry in the file. Only in the lighting view with the mode box on the
// user mode, and only for a button with an LED. The write's result; -201 when nothing is painted.
[[nodiscard]] DeviceResult PaintKey(LightingContext& lighting, int control);

// Writes the colour table of the profile in view to the keyboard, 18 LEDs per write. The first
// failed write's result, else 1.
[[nodiscard]] DeviceResult UploadKeyColors(LightingContext& lighting);

// A new base colour is saved with the preset and given to every button that follows it (table,
// frame and file entry), then the table is uploaded. Nothing happens, and 1 is returned, when it
// is the base colour already; otherwise the upload's result.
[[nodiscard]] DeviceResult SetBaseColor(LightingContext& lighting, Color color);

// Takes the preset in use, its paint settings and the colours and base-colour flags of the key
// buttons and Fn from the profile's file, then uploads the table (the upload's result). The G
// keys are not in the files and keep theirs.
[[nodiscard]] DeviceResult LoadUserPreset(LightingContext& lighting);

// Fills the preset box with the ten preset names, then loads the preset in use.
[[nodiscard]] DeviceResult ReloadUserPresets(LightingContext& lighting);

// After the keyboard changed profile: in every profile, a button follows the base colour when
// its LED's colour equals the base colour in the profile's lighting record.
void RecomputeBaseColorFlags(LightingState& state);

// Frames every button in its LED's colour; a button without an LED gets no frame.
void ShowKeyColors(LightingContext& lighting);

}  // namespace keyloom
