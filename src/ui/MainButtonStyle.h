#pragma once

#include "controls/CPngButton.h"

namespace keyloom {

// How the main window's labelled buttons (profiles, macros, defaults, OK, Cancel, Apply and the
// G keys' bank labels) draw their captions.
ButtonTextStyle MainButtonTextStyle();

}  // namespace keyloom
