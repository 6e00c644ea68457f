#pragma once

// The arrow picture: the faces of the two arrows beside the flip buttons, an up arrow while the
// flip setting is set and a down arrow while it is clear.

#include <QSize>
#include <vector>

#include "SkinControl.h"
#include "SkinFolder.h"

namespace keyloom::skingen {

inline constexpr QSize kFlipArrowSize{14, 20};

// The faces' places in the arrow picture under their BUTTONINFO2 keys.
std::vector<SkinControl> FlipArrowFaces();

// Writes "Arrow.jpg", drawn on the keyboard plate's colour.
void WriteFlipArrows(SkinFolder& folder);

}  // namespace keyloom::skingen
