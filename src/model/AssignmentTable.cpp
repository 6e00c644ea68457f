#include "model/AssignmentTable.h"

#include <algorithm>

namespace keyloom {

namespace {

constexpr uint16_t kBankATag = 0x0301;
constexpr uint16_t kBankBTag = 0x1301;

}  // namespace

uint16_t GKeyTag(int slot) {
    const int j = slot - G_KEY_FIRST_SLOT;
    if (j < 0 || j >= G_KEY_SLOTS) {
        return 0;
    }
    return static_cast<uint16_t>(j < G_KEYS_PER_BANK ? kBankATag + j
                                                     : kBankBTag + (j - G_KEYS_PER_BANK));
}

uint8_t* AssignmentTable::At(int block, int slot) const {
    if (block < 0 || block >= ASSIGNMENT_BLOCK_COUNT || slot < 0 || slot >= ASSIGNMENT_SLOTS) {
        return nullptr;
    }
    const size_t at = static_cast<size_t>(block * ASSIGNMENT_SLOTS + slot) * KEY_ASSIGNMENT_SIZE;
    return at + KEY_ASSIGNMENT_SIZE <= bytes_.size() ? bytes_.data() + at : nullptr;
}

KeyAssignment AssignmentTable::EntryOf(int block, int slot) const {
    const uint8_t* record = At(block, slot);
    return record != nullptr ? ReadKeyAssignment(record) : KeyAssignment{};
}

void AssignmentTable::SetEntry(int block, int slot, const KeyAssignment& assignment) {
    if (uint8_t* record = At(block, slot)) {
        WriteKeyAssignment(record, assignment);
    }
}

void InitAssignmentBlock(AssignmentTable& table, int block) {
    for (int slot = 0; slot < ASSIGNMENT_SLOTS; ++slot) {
        KeyAssignment blank;
        blank.tag = GKeyTag(slot);
        table.SetEntry(block, slot, blank);
    }
}

}  // namespace keyloom
