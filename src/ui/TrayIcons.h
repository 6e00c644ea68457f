#pragma once

#include <QIcon>

namespace keyloom {

// The tool's icons by number: TRAY_ICON_NO_KEYBOARD, also the application's, TRAY_ICON_KEYBOARD
// with a keyboard present and TRAY_ICON_SPECIAL in its special state. Drawn at run time; an
// unknown number gives the application icon.
QIcon TrayIconPicture(int iconId);

}  // namespace keyloom
