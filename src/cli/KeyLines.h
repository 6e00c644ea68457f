#pragma once

// A key or G key and its function in one line, in the window's words; a G key's title also names
// its bank, since G1 to G9 are the same titles in both banks: "G3 (bank B): reassigned (...)".

#include <string>
#include <string_view>

#include "model/AssignmentDescription.h"

namespace keyloom {

inline constexpr std::string_view GKEY_BANK_NAMES[] = {"A", "B"};

bool IsGKeySlot(int slot);
// 0 for bank A, 1 for bank B.
int BankOfGKeySlot(int slot);
// 0 for G1 to 8 for G9.
int PositionOfGKeySlot(int slot);

// The line of a description the window's key view made for the slot.
std::string KeyLine(const AssignmentDescription& description, int slot);

// The line of a record of the slot, its macro named by the lookup.
std::string KeyLine(int slot, const KeyAssignment& record, const TextLookup& text,
                    const MacroNameLookup& macroName);

}  // namespace keyloom
