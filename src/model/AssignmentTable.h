#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/KeyAssignment.h"

namespace keyloom {

// Four blocks of 512 records: blocks 0 to 2 are the keyboard's profiles, block 3 is carried
// along. Slots 0 to 255 are keys by KeyIndex, 256 to 264 G1 to G9 of bank A, 265 to 273 those of
// bank B, the rest no key.
inline constexpr int ASSIGNMENT_BLOCK_COUNT = 4;
inline constexpr int ASSIGNMENT_SLOTS = 512;
inline constexpr int ASSIGNMENT_ENTRIES = ASSIGNMENT_BLOCK_COUNT * ASSIGNMENT_SLOTS;
inline constexpr size_t ASSIGNMENT_BLOCK_SIZE = ASSIGNMENT_SLOTS * KEY_ASSIGNMENT_SIZE;
inline constexpr size_t ASSIGNMENT_TABLE_SIZE = ASSIGNMENT_BLOCK_COUNT * ASSIGNMENT_BLOCK_SIZE;

inline constexpr int G_KEY_FIRST_SLOT = 256;
inline constexpr int G_KEYS_PER_BANK = 9;
inline constexpr int G_KEY_SLOTS = 2 * G_KEYS_PER_BANK;

// The assignment slot of G-key position 0 to 8 in bank 0 (A) or 1 (B).
constexpr int GKeySlot(int bank, int position) {
    return G_KEY_FIRST_SLOT + G_KEYS_PER_BANK * bank + position;
}

// The tag a G-key slot carries: 0x0301 to 0x0309 in bank A, 0x1301 to 0x1309 in bank B.
uint16_t GKeyTag(int slot);

// The assignment table inside a profile image: a view, the bytes belong to the image.
class AssignmentTable {
  public:
    explicit AssignmentTable(std::span<uint8_t> bytes) : bytes_(bytes) {}

    // The record at entry number 512 * block + slot; a zero record outside the table.
    KeyAssignment EntryOf(int block, int slot) const;
    // Ignored outside the table.
    void SetEntry(int block, int slot, const KeyAssignment& assignment);

    std::span<uint8_t> Bytes() const { return bytes_; }

  private:
    uint8_t* At(int block, int slot) const;

    std::span<uint8_t> bytes_;
};

// Zeroes every record of the block and tags its G-key slots.
void InitAssignmentBlock(AssignmentTable& table, int block);

}  // namespace keyloom
