#pragma once

#include <cstdint>
#include <string>

namespace keyloom {

// The keyboard's 44-byte configuration block as a person reads it: active profile, macro
// memory, announced lighting modes, and every byte in hexadecimal.
std::string ConfigBlockText(const uint8_t* block44);

}  // namespace keyloom
