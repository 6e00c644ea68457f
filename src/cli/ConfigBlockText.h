#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// The keyboard's 44-byte configuration block as a person reads it: active profile, macro
// memory, announced lighting modes, and every byte in hexadecimal.
std::string ConfigBlockText(const uint8_t* block44);

// The lighting modes the block announces, in its order.
std::vector<int> AnnouncedModes(const uint8_t* block44);

// "1 2 3" with " " as the separator.
std::string JoinedNumbers(const std::vector<int>& numbers, std::string_view separator);

}  // namespace keyloom
