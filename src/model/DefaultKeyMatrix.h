#pragma once

#include "model/DeviceKeyCode.h"

namespace keyloom {

// The factory key table the tool assumes until it has read the keyboard's own.
const KeyBlockBytes& BuiltInDefaultKeyMatrix();

}  // namespace keyloom
