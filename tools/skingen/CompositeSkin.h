#pragma once

#include "SkinFolder.h"

namespace keyloom::skingen {

// Writes the key settings dialog's skin: "Composite.ini", its background and outline, and the
// five picture sets of its pages (single key, macro, macro only, multimedia, function key).
void WriteCompositeSkin(SkinFolder& folder);

}  // namespace keyloom::skingen
