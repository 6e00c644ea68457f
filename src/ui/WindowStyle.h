#pragma once

#include <QString>

namespace keyloom {

// Style sheets that give the tool's plain Qt widgets (pop-up menus, the About box) the dark look
// and blue accent of the skin pictures.
QString PopupMenuStyle();
QString DarkDialogStyle();

}  // namespace keyloom
