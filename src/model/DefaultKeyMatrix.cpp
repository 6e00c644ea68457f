#include "model/DefaultKeyMatrix.h"

namespace keyloom {

namespace {

// Rows of eight positions (a column of the keyboard each); positions 64 to 125 hold no code.
// clang-format off
constexpr uint8_t kFirstColumns[64][3] = {
    {5, 0, 0},    {5, 0, 0},    {5, 0, 0},    {5, 0, 0},    {5, 0, 0},    {5, 0, 0},    {0, 0, 0},    {0, 0, 0},
    {2, 2, 0x29}, {2, 2, 0x35}, {2, 2, 0x2B}, {2, 2, 0x39}, {2, 1, 0x02}, {2, 1, 0x01}, {0, 0, 0},    {0, 0, 0},
    {2, 2, 0x3A}, {2, 2, 0x1E}, {2, 2, 0x14}, {2, 2, 0x04}, {2, 2, 0x1D}, {2, 1, 0x08}, {0, 0, 0},    {0, 0, 0},
    {2, 2, 0x3B}, {2, 2, 0x1F}, {2, 2, 0x1A}, {2, 2, 0x16}, {2, 2, 0x1B}, {2, 1, 0x04}, {0, 0, 0},    {0, 0, 0},
    {2, 2, 0x3C}, {2, 2, 0x20}, {2, 2, 0x08}, {2, 2, 0x07}, {2, 2, 0x06}, {2, 2, 0x2C}, {2, 2, 0x46}, {0, 0, 0},
    {2, 2, 0x3D}, {2, 2, 0x21}, {2, 2, 0x15}, {2, 2, 0x09}, {2, 2, 0x19}, {2, 1, 0x40}, {2, 2, 0x47}, {0, 0, 0},
    {2, 2, 0x3E}, {2, 2, 0x22}, {2, 2, 0x17}, {2, 2, 0x0A}, {2, 2, 0x05}, {5, 2, 0x02}, {2, 2, 0x2E}, {0, 0, 0},
    {2, 2, 0x3F}, {2, 2, 0x23}, {2, 2, 0x1C}, {2, 2, 0x0B}, {2, 2, 0x11}, {2, 2, 0x65}, {2, 2, 0x48}, {0, 0, 0},
};
// clang-format on

KeyBlockBytes Build() {
    KeyBlockBytes table{};
    for (int p = 0; p < 64; ++p) {
        SetCodeAt(table.data(), p, {kFirstColumns[p][0], kFirstColumns[p][1], kFirstColumns[p][2]});
    }
    return table;
}

}  // namespace

const KeyBlockBytes& BuiltInDefaultKeyMatrix() {
    static const KeyBlockBytes table = Build();
    return table;
}

}  // namespace keyloom
