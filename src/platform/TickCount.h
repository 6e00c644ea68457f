#pragma once

#include <cstdint>

namespace keyloom {

// Milliseconds of a monotonic clock; only differences mean anything.
uint32_t TickCount();

}  // namespace keyloom
