#pragma once

#include <QString>

namespace keyloom::skingen {

// Writes the whole "Skins" folder into `folder`; false when anything could not be written or a
// window would miss a control or a picture.
bool WriteSkins(const QString& folder);

}  // namespace keyloom::skingen
