#pragma once

#include <QString>

namespace keyloom::skingen {

// Writes the application's mark as icons of the hicolor theme into `folder`:
// hicolor/<n>x<n>/apps/keyloom.png at the sizes desktops look for. False when one cannot be
// written.
bool WriteAppIcons(const QString& folder);

}  // namespace keyloom::skingen
