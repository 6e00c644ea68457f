#include "model/KeyAssignment.h"

#include "platform/LittleEndian.h"

namespace keyloom {

namespace {

constexpr size_t kKindAt = 0;
constexpr size_t kTagAt = 2;
constexpr size_t kValueAt = 4;
constexpr size_t kColorFlagAt = 8;
constexpr size_t kReservedAt = 12;
static_assert(kReservedAt + 4 == KEY_ASSIGNMENT_SIZE);

}  // namespace

KeyAssignment ReadKeyAssignment(const uint8_t* bytes) {
    return {ReadU16(bytes + kKindAt), ReadU16(bytes + kTagAt), ReadU32(bytes + kValueAt),
            ReadU32(bytes + kColorFlagAt), ReadU32(bytes + kReservedAt)};
}

void WriteKeyAssignment(uint8_t* bytes, const KeyAssignment& assignment) {
    WriteU16(bytes + kKindAt, assignment.kind);
    WriteU16(bytes + kTagAt, assignment.tag);
    WriteU32(bytes + kValueAt, assignment.value);
    WriteU32(bytes + kColorFlagAt, assignment.colorFlag);
    WriteU32(bytes + kReservedAt, assignment.reserved);
}

}  // namespace keyloom
