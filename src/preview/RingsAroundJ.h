#pragma once

// The main block's keys in rings around J, from J itself outwards, for the halo preview.

#include "preview/ButtonGroups.h"

namespace keyloom {

inline constexpr int RINGS_AROUND_J = 11;

// Every key of the rings with the number of its ring, 0 (J) to RINGS_AROUND_J - 1.
ButtonGroups RingsAroundJ();

}  // namespace keyloom
