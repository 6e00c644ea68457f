#pragma once

#include "SkinFolder.h"

namespace keyloom::skingen {

// Draws the lighting panel's bitmaps (switch, sliders, direction, colour and tool pictures, busy
// frames and swatches) on the panel's colour, each the size of the control that shows it.
void WriteLightingBitmaps(SkinFolder& folder);

}  // namespace keyloom::skingen
