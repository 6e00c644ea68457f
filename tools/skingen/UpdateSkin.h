#pragma once

#include "SkinFolder.h"

namespace keyloom::skingen {

// Writes the firmware update dialog's skin: "UpdateDlg.ini", its background and outline and the
// button pictures "update_normal.jpg" and "update_over.jpg".
void WriteUpdateSkin(SkinFolder& folder);

}  // namespace keyloom::skingen
