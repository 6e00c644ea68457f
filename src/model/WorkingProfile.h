#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/AssignmentTable.h"
#include "model/MacroList.h"

namespace keyloom {

// The image of the three profiles in profile file layout: header, fixed block, assignments.
inline constexpr size_t PROFILE_HEADER_SIZE = 32;
inline constexpr size_t PROFILE_FIXED_BLOCK_AT = 32;
inline constexpr size_t PROFILE_ASSIGNMENTS_AT = 64;
inline constexpr size_t PROFILE_IMAGE_SIZE = PROFILE_ASSIGNMENTS_AT + ASSIGNMENT_TABLE_SIZE;
static_assert(PROFILE_IMAGE_SIZE == 32832);

using ProfileImageBytes = std::span<uint8_t, PROFILE_IMAGE_SIZE>;

// The assignment table inside an image; a view, the bytes belong to the image.
AssignmentTable AssignmentTableOf(ProfileImageBytes image);

// Entries of these kinds own the text of their slot in the AssignmentTextTable.
bool KindHasText(uint16_t kind);

// The program paths and text blocks of the entries of kind 3 and 6, one slot per entry number,
// with the running total of their sizes (UTF-16 units and the terminating zero, in bytes).
class AssignmentTextTable {
  public:
    const std::u16string& Text(int entry) const;
    // Bytes the text takes in a profile file, its terminating zero included; 0 for none.
    uint32_t SizeOf(int entry) const;
    uint32_t Total() const { return total_; }
    // An empty text empties the slot. Entries outside the table are ignored.
    void Set(int entry, std::u16string text);
    void Clear();

  private:
    std::array<std::u16string, ASSIGNMENT_ENTRIES> texts_;
    uint32_t total_ = 0;
};

// The three profiles being edited: what the keyboard gets on the next apply.
struct WorkingProfile {
    std::vector<uint8_t> image = std::vector<uint8_t>(PROFILE_IMAGE_SIZE);
    MacroList macros;
    AssignmentTextTable texts;

    ProfileImageBytes Image() { return ProfileImageBytes(image.data(), PROFILE_IMAGE_SIZE); }
    AssignmentTable Assignments() { return AssignmentTableOf(Image()); }
};

}  // namespace keyloom
