#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zozodiz {

inline constexpr std::size_t kKeyTableSize = 378;  // 126 positions of 3 bytes

// The virtual keyboard's factory key table: what it answers to a read of its default keys.
const std::array<uint8_t, kKeyTableSize>& FactoryKeyTable();

}  // namespace zozodiz
