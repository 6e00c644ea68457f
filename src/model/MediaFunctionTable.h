#pragma once

#include <array>
#include <cstdint>

#include "model/ScanCode.h"

namespace keyloom {

// The media and application functions a key can take, in the order the key editor lists them
// (by the names of their ScanCodes).
struct MediaFunction {
    ScanCode scanCode;
    uint16_t consumerUsage;
};

inline constexpr std::array<MediaFunction, 18> MediaFunctionTable = {{
    {0x16D, 0x0183},  // Media Player
    {0x122, 0x00CD},  // Play/Pause
    {0x124, 0x00B7},  // Stop Play
    {0x110, 0x00B6},  // Prev Track
    {0x119, 0x00B5},  // Next Track
    {0x12E, 0x00EA},  // V-
    {0x130, 0x00E9},  // V+
    {0x120, 0x00E2},  // Mute
    {0x132, 0x0223},  // WWW Home
    {0x167, 0x0227},  // WWW Refresh
    {0x168, 0x0226},  // WWW Stop
    {0x16A, 0x0224},  // WWW Back
    {0x169, 0x0225},  // WWW Forward
    {0x166, 0x022A},  // WWW Favorite
    {0x165, 0x0221},  // WWW Search
    {0x16B, 0x0194},  // My PC
    {0x121, 0x0192},  // Calc
    {0x16C, 0x018A},  // Mail
}};

// The keyboard's own functions 0 to 10; their names are the language texts FUNC_KEY_DESC1 to
// FUNC_KEY_DESC11.
inline constexpr int FUNCTION_KEY_COUNT = 11;

}  // namespace keyloom
