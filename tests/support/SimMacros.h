#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace keyloom::test {

// Puts `count` named macros of a few key strokes each into the virtual keyboard's macro memory,
// in an image exactly as large as they need. The image written.
std::vector<uint8_t> WriteMacrosToSim(size_t count);

}  // namespace keyloom::test
