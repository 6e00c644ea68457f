#pragma once

#include <QIcon>

namespace keyloom {

// The tool's icons by number: 128 the application and no keyboard, 141 a keyboard present, 142
// the keyboard's special state. Drawn at run time; an unknown number gives the application icon.
QIcon TrayIconPicture(int iconId);

}  // namespace keyloom
