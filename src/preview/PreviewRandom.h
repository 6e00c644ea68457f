#pragma once

// The random source of the previews that sparkle or colour their waves at random.

#include <cstdint>
#include <functional>

namespace keyloom {

using PreviewRandom = std::function<uint32_t()>;

// A source seeded from the clock.
PreviewRandom ClockSeededRandom();

}  // namespace keyloom
