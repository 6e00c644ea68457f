#pragma once

// Brightness levels (0 to 255) the one-colour previews walk through.

#include <cstddef>
#include <cstdint>
#include <span>

namespace keyloom {

inline constexpr size_t LEVEL_CURVE_A_SIZE = 96;
inline constexpr size_t LEVEL_CURVE_B_SIZE = 129;
inline constexpr size_t LEVEL_CURVE_C_SIZE = 128;

// A: up from dim to full and back down, for waves of one colour.
std::span<const uint8_t, LEVEL_CURVE_A_SIZE> LevelCurveA();
// B: a pulse: up fast from dark, down slowly, then dark for the rest.
std::span<const uint8_t, LEVEL_CURVE_B_SIZE> LevelCurveB();
// C: breathing, from almost dark up to full and back.
std::span<const uint8_t, LEVEL_CURVE_C_SIZE> LevelCurveC();

}  // namespace keyloom
