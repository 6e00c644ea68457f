#pragma once

// The key settings dialog's image buttons: their picture sets and the look of their captions.

#include <string>

#include "controls/CPngButton.h"

namespace keyloom {

// The set "<name>_normal.jpg", "_over.jpg", "_down.jpg" (also shown marked) and, when the set
// has one, "_disable.jpg" (otherwise the normal picture) in the skin folder (with its '/').
ButtonSurfaces CompositeImageSet(const std::string& skinFolder, const std::string& name,
                                 bool ownDisabled);

// Light captions; a marked button's (the record button while it records) turns red.
ButtonTextStyle CompositeCaptionStyle();

}  // namespace keyloom
