#pragma once

#include <cstddef>
#include <cstdint>

namespace keyloom {

// What a key does, as stored per key and profile.
enum AssignmentKind : uint16_t {
    ASSIGN_DEFAULT = 0,     // factory function
    ASSIGN_DISABLED = 1,    // no function
    ASSIGN_KEY = 2,         // acts as another key, a mouse button or the wheel (value: ScanCode)
    ASSIGN_PROGRAM = 3,     // starts a program; the path is the entry's text
    ASSIGN_MACRO = 4,       // plays a macro (value: macro id)
    ASSIGN_STOP_MACRO = 5,  // stops the macro that is playing
    ASSIGN_TEXT = 6,        // plays a block of text; the text is the entry's text
    ASSIGN_MEDIA = 7,       // media or application function (value: row of MediaFunctionTable)
    ASSIGN_FUNCTION = 8,    // keyboard function (value: row of FunctionKeyTable)
};

// One 16-byte record, little-endian, the same in memory images and profile files.
struct KeyAssignment {
    uint16_t kind = ASSIGN_DEFAULT;
    uint16_t tag = 0;  // G-key tag, or the repeat count of a macro stored by the editor
    uint32_t value = 0;
    uint32_t colorFlag = 0;  // carried along, never interpreted
    uint32_t reserved = 0;

    friend bool operator==(const KeyAssignment&, const KeyAssignment&) = default;
};

inline constexpr size_t KEY_ASSIGNMENT_SIZE = 16;

KeyAssignment ReadKeyAssignment(const uint8_t* bytes16);
void WriteKeyAssignment(uint8_t* bytes16, const KeyAssignment& assignment);

}  // namespace keyloom
