#pragma once

// The main block's keys in a spiral, for the previews that run along it: from Pause along the top
// row to Esc, down the left edge, along the bottom row, up the right edge, then winding inwards
// through the letter rows to S.

#include <cstddef>
#include <span>

#include "preview/ButtonGroups.h"

namespace keyloom {

inline constexpr size_t PREVIEW_RING_SIZE = 69;

// The lighting buttons in ring order.
std::span<const int, PREVIEW_RING_SIZE> PreviewRing();
// Every ring key with its place on the ring.
ButtonGroups RingPlaces();

}  // namespace keyloom
