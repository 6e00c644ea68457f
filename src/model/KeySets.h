#pragma once

// Keys that the capture and recording hooks of the editors treat apart.

#include <algorithm>
#include <array>

#include "model/ScanCode.h"

namespace keyloom {

// Media and application keys: the hooks let them pass to the system instead of capturing them.
inline constexpr std::array<ScanCode, 18> MediaKeySet = {
    0x120, 0x130, 0x12E, 0x124, 0x122, 0x119, 0x110, 0x16D, 0x132,
    0x167, 0x168, 0x16A, 0x169, 0x166, 0x165, 0x16B, 0x121, 0x16C,
};

// Keys that reach the hooks as one event instead of a press and a release (Sys Req, KL, KR,
// Print Screen); the macro recorder adds the missing press itself.
inline constexpr std::array<ScanCode, 4> SingleEventKeySet = {0x054, 0x071, 0x072, 0x137};

constexpr bool IsMediaKey(ScanCode code) {
    return std::find(MediaKeySet.begin(), MediaKeySet.end(), code) != MediaKeySet.end();
}

constexpr bool IsSingleEventKey(ScanCode code) {
    return std::find(SingleEventKeySet.begin(), SingleEventKeySet.end(), code) !=
           SingleEventKeySet.end();
}

}  // namespace keyloom
