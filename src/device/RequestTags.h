#pragma once

#include <cstdint>

#include "platform/FourCharTag.h"

namespace keyloom {

// Tags of the standing requests; notifications come back with them.
inline constexpr uint32_t TAG_CTRL = FourCharTag("CTRL");  // configuration answers
inline constexpr uint32_t TAG_CONS = FourCharTag("CONS");  // consumer codes
inline constexpr uint32_t TAG_LED = FourCharTag("LED");    // bank status writes

}  // namespace keyloom
