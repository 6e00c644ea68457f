#pragma once

#include "SkinFolder.h"

namespace keyloom::skingen {

// Writes the main window's skin: "Main.ini", its background and outline, the six full-window
// pictures of the keyboard view, the arrow picture and the lighting panel's bitmaps.
void WriteMainWindowSkin(SkinFolder& folder);

}  // namespace keyloom::skingen
