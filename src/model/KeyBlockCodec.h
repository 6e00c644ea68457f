#pragma once

#include <cstdint>
#include <functional>

#include "model/AssignmentTable.h"
#include "model/DeviceKeyCode.h"

namespace keyloom {

// Position (0-based) in the macro list of the first macro with this id; 0 when none has it.
using MacroPositionLookup = std::function<int(uint32_t macroId)>;

// The code a record puts at a position whose factory code is `factory`.
DeviceKeyCode EncodeAssignment(const KeyAssignment& record, DeviceKeyCode factory,
                               const MacroPositionLookup& macroPosition);

// One profile's key table for the keyboard: each position whose factory code names a key takes
// the code of that key's record in the block; every other position keeps its factory code.
KeyBlockBytes EncodeKeyBlock(const AssignmentTable& table, int block, const KeyBlockBytes& factory,
                             const MacroPositionLookup& macroPosition);

// A key table read from the keyboard back into the records of one block: positions that hold
// their factory code stay at the factory function.
void DecodeKeyBlock(AssignmentTable& table, int block, const uint8_t* keyBlock,
                    const KeyBlockBytes& factory);

}  // namespace keyloom
