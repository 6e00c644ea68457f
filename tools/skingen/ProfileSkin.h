#pragma once

#include "SkinFolder.h"

namespace keyloom::skingen {

// Writes the profile manager's skin: "Profile.ini", its background and outline and the button
// pictures "Profile_normal.jpg", "Profile_over.jpg" and "Profile_down.jpg".
void WriteProfileSkin(SkinFolder& folder);

}  // namespace keyloom::skingen
