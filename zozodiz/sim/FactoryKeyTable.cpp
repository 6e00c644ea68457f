#include "FactoryKeyTable.h"

namespace zozodiz {

namespace {

// Three-byte codes: 02 02 usage for a key, 02 01 bit for a modifier, 06 A2 n for G key n
// (G1 to G9 of bank A, then bank B), 05 02 02 for Fn.
constexpr uint8_t K = 0x02;
#define KEY(usage) K, 0x02, usage
#define MOD(bit) K, 0x01, bit
#define GKEY(n) 0x06, 0xA2, n
#define NONE 0x00, 0x00, 0x00
#define FN 0x05, 0x02, 0x02

// Eight positions per column, one per row from the function row down: function keys, digits,
// top letters, home row, bottom letters, bottom row, then the navigation block. The G keys sit
// in the leftmost column and in the two spare rows of the first eight columns, so that every key
// of the keyboard, Fn and all eighteen G keys have a position of their own.
// clang-format off
constexpr std::array<uint8_t, kKeyTableSize> kTable = {
    GKEY(1),   GKEY(2),   GKEY(3),   GKEY(4),   GKEY(5),   GKEY(6),   GKEY(7),   GKEY(8),
    KEY(0x29), KEY(0x35), KEY(0x2B), KEY(0x39), MOD(0x02), MOD(0x01), GKEY(9),   GKEY(10),
    KEY(0x3A), KEY(0x1E), KEY(0x14), KEY(0x04), KEY(0x1D), MOD(0x08), GKEY(11),  GKEY(12),
    KEY(0x3B), KEY(0x1F), KEY(0x1A), KEY(0x16), KEY(0x1B), MOD(0x04), GKEY(13),  GKEY(14),
    KEY(0x3C), KEY(0x20), KEY(0x08), KEY(0x07), KEY(0x06), KEY(0x2C), KEY(0x46), GKEY(15),
    KEY(0x3D), KEY(0x21), KEY(0x15), KEY(0x09), KEY(0x19), MOD(0x40), KEY(0x47), GKEY(16),
    KEY(0x3E), KEY(0x22), KEY(0x17), KEY(0x0A), KEY(0x05), FN,        KEY(0x2E), GKEY(17),
    KEY(0x3F), KEY(0x23), KEY(0x1C), KEY(0x0B), KEY(0x11), KEY(0x65), KEY(0x48), GKEY(18),
    KEY(0x40), KEY(0x24), KEY(0x18), KEY(0x0D), KEY(0x10), MOD(0x80), KEY(0x49), NONE,
    KEY(0x41), KEY(0x25), KEY(0x0C), KEY(0x0E), KEY(0x36), MOD(0x10), KEY(0x4A), KEY(0x4C),
    KEY(0x42), KEY(0x26), KEY(0x12), KEY(0x0F), KEY(0x37), KEY(0x50), KEY(0x4B), KEY(0x4D),
    KEY(0x43), KEY(0x27), KEY(0x13), KEY(0x33), KEY(0x38), KEY(0x51), KEY(0x4E), KEY(0x52),
    KEY(0x44), KEY(0x2D), KEY(0x2F), KEY(0x34), MOD(0x20), KEY(0x4F), KEY(0x2A), KEY(0x28),
    KEY(0x45), KEY(0x53), KEY(0x30), KEY(0x31), KEY(0x64), KEY(0x62), KEY(0x54), KEY(0x55),
    KEY(0x56), KEY(0x5F), KEY(0x60), KEY(0x61), KEY(0x57), KEY(0x63), KEY(0x5C), KEY(0x5D),
    KEY(0x5E), KEY(0x59), KEY(0x5A), KEY(0x5B), KEY(0x58), NONE,
};
// clang-format on

#undef KEY
#undef MOD
#undef GKEY
#undef NONE
#undef FN

}  // namespace

const std::array<uint8_t, kKeyTableSize>& FactoryKeyTable() {
    return kTable;
}

}  // namespace zozodiz
