#include "preview/LevelCurves.h"

#include <array>

namespace keyloom {
namespace {

// The rising halves of the curves that fall the way they rose.
constexpr std::array<uint8_t, LEVEL_CURVE_A_SIZE / 2> kRiseA = {
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};
constexpr std::array<uint8_t, LEVEL_CURVE_C_SIZE / 2> kRiseC = {
    3,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  16,  18,  20,
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};
// The pulse; the rest of curve B is dark.
constexpr std::array<uint8_t, 81> kPulseB = {
    0,   4,   8,   14,  22,  33,  45,  61,  77,  94,  114, 134, 158, 182, 206, 234, 255,
    248, 241, 234, 227, 220, 213, 206, 200, 194, 188, 182, 176, 170, 164, 158, 152, 146,
    140, 134, 129, 124, 119, 114, 109, 104, 99,  94,  89,  85,  81,  77,  73,  69,  65,
    61,  57,  53,  49,  45,  42,  39,  36,  33,  30,  27,  24,  22,  20,  18,  16,  14,
    12,  10,  9,   8,   7,   6,   5,   4,   3,   2,   2,   1,   0};

template <size_t N>
constexpr std::array<uint8_t, 2 * N> Mirrored(const std::array<uint8_t, N>& rise) {
    std::array<uint8_t, 2 * N> curve{};
    for (size_t i = 0; i < N; ++i) {
        curve[i] = rise[i];
        curve[2 * N - 1 - i] = rise[i];
    }
    return curve;
}

template <size_t Size, size_t N>
constexpr std::array<uint8_t, Size> DarkAfter(const std::array<uint8_t, N>& start) {
    static_assert(N <= Size);
    std::array<uint8_t, Size> curve{};
    for (size_t i = 0; i < N; ++i) {
        curve[i] = start[i];
    }
    return curve;
}

constexpr std::array<uint8_t, LEVEL_CURVE_A_SIZE> kCurveA = Mirrored(kRiseA);
constexpr std::array<uint8_t, LEVEL_CURVE_B_SIZE> kCurveB = DarkAfter<LEVEL_CURVE_B_SIZE>(kPulseB);
constexpr std::array<uint8_t, LEVEL_CURVE_C_SIZE> kCurveC = Mirrored(kRiseC);

}  // namespace

std::span<const uint8_t, LEVEL_CURVE_A_SIZE> LevelCurveA() {
    return kCurveA;
}

std::span<const uint8_t, LEVEL_CURVE_B_SIZE> LevelCurveB() {
    return kCurveB;
}

std::span<const uint8_t, LEVEL_CURVE_C_SIZE> LevelCurveC() {
    return kCurveC;
}

}  // namespace keyloom
