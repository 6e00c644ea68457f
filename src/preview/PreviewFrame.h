#pragma once

// What one step of the on-screen lighting preview hands the window: an outline colour for each
// lighting button, and what to do with them.

#include <array>
#include <cstdint>

#include "model/KeyButtonTable.h"
#include "model/LightingRecord.h"

namespace keyloom {

inline constexpr Color NO_KEY_FRAME = 0xFFFFFFFFu;  // the button shows its picture, no outline
using PreviewFrame = std::array<Color, LIGHTING_BUTTON_COUNT>;  // by lighting button index

// Draw the frame / clear all key frames / leave the keys as they are (user mode 20).
enum class PreviewStep : uint8_t { kFrame, kClear, kKeep };

}  // namespace keyloom
