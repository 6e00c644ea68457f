#pragma once

// The profile file: the working profile file and the ".qvp" backups share it. The image of the
// three profiles (header, fixed block, assignment table), the macro records in list order, then
// the string area with the texts of the program and text entries, packed in entry-number order.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/WorkingProfile.h"

namespace keyloom {

// Header fields; bytes 20 to 29 are reserved and zero.
inline constexpr size_t PROFILE_MAGIC_AT = 0;          // unsigned 16
inline constexpr size_t PROFILE_HEADER_SIZE_AT = 2;    // unsigned 16
inline constexpr size_t PROFILE_COUNT_AT = 4;          // unsigned 16
inline constexpr size_t PROFILE_VERSION_AT = 6;        // unsigned 16
inline constexpr size_t PROFILE_TOTAL_SIZE_AT = 8;     // unsigned 32
inline constexpr size_t PROFILE_RECORD_COUNT_AT = 12;  // unsigned 16
inline constexpr size_t PROFILE_MACRO_COUNT_AT = 14;   // unsigned 16
inline constexpr size_t PROFILE_STRING_SIZE_AT = 16;   // unsigned 32
inline constexpr size_t PROFILE_FLAG_AT = 30;
inline constexpr size_t PROFILE_CHECKSUM_AT = 31;  // sum of the bytes before it, modulo 256
static_assert(PROFILE_CHECKSUM_AT + 1 == PROFILE_HEADER_SIZE);
static_assert(PROFILE_HEADER_SIZE == PROFILE_FIXED_BLOCK_AT);

inline constexpr uint16_t PROFILE_MAGIC = 0x4446;
inline constexpr uint16_t PROFILE_COUNT = 3;
inline constexpr uint16_t PROFILE_FORMAT_VERSION = 1;
// A file whose flag is higher was not written by this format.
inline constexpr uint8_t PROFILE_MAX_FLAG = 1;
inline constexpr size_t PROFILE_MACROS_AT = PROFILE_IMAGE_SIZE;

// Written into every file, never checked: bytes 16 to 19 are the keyboard's vendor and product id.
inline constexpr size_t PROFILE_FIXED_BLOCK_SIZE = 32;
static_assert(PROFILE_FIXED_BLOCK_AT + PROFILE_FIXED_BLOCK_SIZE == PROFILE_ASSIGNMENTS_AT);
inline constexpr uint8_t ProfileFixedBlock[PROFILE_FIXED_BLOCK_SIZE] = {
    0x4B, 0x48, 0x20, 0x00, 0x20, 0x80, 0x00, 0x00, 0x04, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00,
    0x45, 0x0C, 0x31, 0x76, 0x4F, 0x1C, 0x0E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

// The header fields after `macroCount` records and a string area of `stringAreaSize` bytes, the
// checksum, and the fixed block, at the start of an image.
void FillProfileHeader(std::span<uint8_t, PROFILE_IMAGE_SIZE> image, uint16_t macroCount,
                       uint32_t stringAreaSize, uint8_t flag);

// No macros, no texts, every key at its factory function; only block 0 has its G-key slots tagged.
std::vector<uint8_t> BlankProfileImage(uint8_t flag);

// The header test a file fails first, in the order the check makes them; before them, whether
// the path names a regular file at all (not a folder, a FIFO or a device).
enum class ProfileHeaderFault {
    kNone,
    kNotRegularFile,
    kMagic,
    kHeaderSize,
    kProfileCount,
    kFormatVersion,
    kTotalSizeTooSmall,
    kRecordCount,
    kMacroCount,
    kFlag,
    kTotalSizeMismatch,
    kChecksum,
};

// `header` holds at least PROFILE_HEADER_SIZE bytes.
ProfileHeaderFault FirstHeaderFault(std::span<const uint8_t> header);

// Results of the profile file operations.
enum ProfileFileResult : int {
    PROFILE_FILE_OK = 1,
    // Missing, smaller than an image, of 4 GiB or more, not a regular file, a header test that
    // failed, a file shorter than its header says; or a file that could not be written.
    PROFILE_FILE_REFUSED = 0,
    PROFILE_FILE_UNREADABLE = -2,  // cannot be opened or read
    PROFILE_FILE_NO_MEMORY = -3,   // no memory to read it
};

struct ProfileFileCheck {
    ProfileFileResult result;
    ProfileHeaderFault fault;  // the test that failed when that made the result 0
};

// The check before a restore. It does not compare the file's length with its header's total.
// A path that names no regular file is refused like a damaged one, without waiting on it.
[[nodiscard]] ProfileFileCheck CheckProfileFile(const std::string& path);

// The file of a working profile. Takes its texts' offsets into the entries' values (the end of
// the string area for a text entry without a text) and rewrites the image's header, as every
// save does.
std::vector<uint8_t> EncodeProfileFile(WorkingProfile& profile);

// Replaces the profile with the file's content. A file shorter than its header says or with
// more than 100 macros is refused and the profile is left as it was. A text entry whose
// text does not lie within the string area, its terminating zero included, gets no text.
[[nodiscard]] ProfileFileResult DecodeProfileFile(std::span<const uint8_t> file,
                                                  WorkingProfile& profile);

// The same on files. Writes go through a temporary file and a rename, so a failed save leaves
// the previous file as it was.
[[nodiscard]] ProfileFileResult WriteBlankProfileFile(const std::string& path, uint8_t flag);
[[nodiscard]] ProfileFileResult WriteProfileFile(const std::string& path, WorkingProfile& profile);
[[nodiscard]] ProfileFileResult ReadProfileFile(const std::string& path, WorkingProfile& profile);

}  // namespace keyloom
