#include "storage/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <numeric>

#include "platform/AtomicFile.h"
#include "platform/LittleEndian.h"

namespace keyloom {

namespace {

// A profile file of 4 GiB or more cannot be described by its 32-bit total size.
constexpr uint64_t kFileSizeLimit = uint64_t{1} << 32;

// The fields that hold the same value in every file, in the order the check tests them.
struct FixedField {
    size_t at;
    uint16_t value;
    ProfileHeaderFault fault;
};
constexpr FixedField kFixedFields[] = {
    {PROFILE_MAGIC_AT, PROFILE_MAGIC, ProfileHeaderFault::kMagic},
    {PROFILE_HEADER_SIZE_AT, PROFILE_HEADER_SIZE, ProfileHeaderFault::kHeaderSize},
    {PROFILE_COUNT_AT, PROFILE_COUNT, ProfileHeaderFault::kProfileCount},
    {PROFILE_VERSION_AT, PROFILE_FORMAT_VERSION, ProfileHeaderFault::kFormatVersion},
};

uint8_t HeaderChecksum(const uint8_t* header) {
    return static_cast<uint8_t>(std::accumulate(header, header + PROFILE_CHECKSUM_AT, 0u));
}

uint64_t TotalSizeOf(uint64_t macroCount, uint64_t stringAreaSize) {
    return PROFILE_IMAGE_SIZE + MACRO_RECORD_SIZE * macroCount + stringAreaSize;
}

ProfileFileCheck ReadOpenFile(int fd, std::vector<uint8_t>& bytes) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return {PROFILE_FILE_UNREADABLE, ProfileHeaderFault::kNone};
    }
    if (!S_ISREG(info.st_mode)) {
        return {PROFILE_FILE_REFUSED, ProfileHeaderFault::kNotRegularFile};
    }
    const auto size = static_cast<uint64_t>(info.st_size);
    if (size >= kFileSizeLimit || size < PROFILE_IMAGE_SIZE) {
        return {PROFILE_FILE_REFUSED, ProfileHeaderFault::kNone};
    }
    try {
        bytes.resize(size);
    } catch (const std::bad_alloc&) {
        return {PROFILE_FILE_NO_MEMORY, ProfileHeaderFault::kNone};
    }
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t got =
            pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return {PROFILE_FILE_UNREADABLE, ProfileHeaderFault::kNone};
        }
        done += static_cast<size_t>(got);
    }
    return {PROFILE_FILE_OK, ProfileHeaderFault::kNone};
}

// The one way a profile file is opened: the whole file with the results of the check. The open
// does not wait, so a FIFO or a device at the path cannot hold the caller (the window thread),
// and the file's type comes from the open descriptor, so the path cannot change in between.
ProfileFileCheck ReadProfileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? PROFILE_FILE_REFUSED : PROFILE_FILE_UNREADABLE,
                ProfileHeaderFault::kNone};
    }
    const ProfileFileCheck result = ReadOpenFile(fd, bytes);
    close(fd);
    return result;
}

int EntryBlock(int entry) {
    return entry / ASSIGNMENT_SLOTS;
}

int EntrySlot(int entry) {
    return entry % ASSIGNMENT_SLOTS;
}

// The texts at offsets in entry-number order; each text entry's value becomes its offset. A text
// entry without a text points at the end of the area, where no text starts: an offset kept from
// an earlier file could name another entry's text once the area is packed anew.
std::vector<uint8_t> PackTexts(WorkingProfile& profile) {
    std::vector<uint8_t> area(profile.texts.Total());
    AssignmentTable table = profile.Assignments();
    size_t offset = 0;
    for (int entry = 0; entry < ASSIGNMENT_ENTRIES; ++entry) {
        KeyAssignment record = table.EntryOf(EntryBlock(entry), EntrySlot(entry));
        if (!KindHasText(record.kind)) {
            continue;
        }
        const size_t size = profile.texts.SizeOf(entry);
        record.value = static_cast<uint32_t>(area.size());
        if (size != 0 && offset + size <= area.size()) {
            const std::u16string& text = profile.texts.Text(entry);
            for (size_t i = 0; i < text.size(); ++i) {
                WriteU16(area.data() + offset + 2 * i, text[i]);
            }
            record.value = static_cast<uint32_t>(offset);
            offset += size;
        }
        table.SetEntry(EntryBlock(entry), EntrySlot(entry), record);
    }
    return area;
}

// The text that starts at the offset; empty unless its terminating zero lies within the area.
std::u16string TextAt(std::span<const uint8_t> area, size_t offset) {
    std::u16string text;
    for (size_t at = offset; at + 2 <= area.size(); at += 2) {
        const char16_t unit = ReadU16(area.data() + at);
        if (unit == 0) {
            return text;
        }
        text.push_back(unit);
    }
    return {};
}

void UnpackTexts(WorkingProfile& profile, std::span<const uint8_t> area) {
    const AssignmentTable table = profile.Assignments();
    for (int entry = 0; entry < ASSIGNMENT_ENTRIES; ++entry) {
        const KeyAssignment record = table.EntryOf(EntryBlock(entry), EntrySlot(entry));
        if (KindHasText(record.kind)) {
            // Offsets are always even; bit 0 carries nothing.
            profile.texts.Set(entry, TextAt(area, record.value & ~uint32_t{1}));
        }
    }
}

}  // namespace

void FillProfileHeader(ProfileImageBytes image, uint16_t macroCount, uint32_t stringAreaSize,
                       uint8_t flag) {
    uint8_t* header = image.data();
    std::fill_n(header, PROFILE_HEADER_SIZE, 0);
    for (const FixedField& field : kFixedFields) {
        WriteU16(header + field.at, field.value);
    }
    WriteU32(header + PROFILE_TOTAL_SIZE_AT,
             static_cast<uint32_t>(TotalSizeOf(macroCount, stringAreaSize)));
    WriteU16(header + PROFILE_RECORD_COUNT_AT, ASSIGNMENT_ENTRIES);
    WriteU16(header + PROFILE_MACRO_COUNT_AT, macroCount);
    WriteU32(header + PROFILE_STRING_SIZE_AT, stringAreaSize);
    header[PROFILE_FLAG_AT] = flag;
    header[PROFILE_CHECKSUM_AT] = HeaderChecksum(header);
    std::copy(std::begin(ProfileFixedBlock), std::end(ProfileFixedBlock),
              image.begin() + PROFILE_FIXED_BLOCK_AT);
}

std::vector<uint8_t> BlankProfileImage(uint8_t flag) {
    std::vector<uint8_t> image(PROFILE_IMAGE_SIZE);
    const ProfileImageBytes bytes(image.data(), PROFILE_IMAGE_SIZE);
    FillProfileHeader(bytes, 0, 0, flag);
    AssignmentTable table = AssignmentTableOf(bytes);
    InitAssignmentBlock(table, 0);
    return image;
}

ProfileHeaderFault FirstHeaderFault(std::span<const uint8_t> header) {
    const uint8_t* h = header.data();
    for (const FixedField& field : kFixedFields) {
        if (ReadU16(h + field.at) != field.value) {
            return field.fault;
        }
    }
    const uint32_t total = ReadU32(h + PROFILE_TOTAL_SIZE_AT);
    const uint16_t macroCount = ReadU16(h + PROFILE_MACRO_COUNT_AT);
    if (total < PROFILE_IMAGE_SIZE) {
        return ProfileHeaderFault::kTotalSizeTooSmall;
    }
    if (ReadU16(h + PROFILE_RECORD_COUNT_AT) != ASSIGNMENT_ENTRIES) {
        return ProfileHeaderFault::kRecordCount;
    }
    if (macroCount > MACRO_LIST_CAPACITY) {
        return ProfileHeaderFault::kMacroCount;
    }
    if (h[PROFILE_FLAG_AT] > PROFILE_MAX_FLAG) {
        return ProfileHeaderFault::kFlag;
    }
    if (total != TotalSizeOf(macroCount, ReadU32(h + PROFILE_STRING_SIZE_AT))) {
        return ProfileHeaderFault::kTotalSizeMismatch;
    }
    if (h[PROFILE_CHECKSUM_AT] != HeaderChecksum(h)) {
        return ProfileHeaderFault::kChecksum;
    }
    return ProfileHeaderFault::kNone;
}

ProfileFileCheck CheckProfileFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    const ProfileFileCheck read = ReadProfileBytes(path, bytes);
    if (read.result != PROFILE_FILE_OK) {
        return read;
    }
    const ProfileHeaderFault fault = FirstHeaderFault(bytes);
    return {fault == ProfileHeaderFault::kNone ? PROFILE_FILE_OK : PROFILE_FILE_REFUSED, fault};
}

std::vector<uint8_t> EncodeProfileFile(WorkingProfile& profile) {
    const std::vector<uint8_t> area = PackTexts(profile);
    FillProfileHeader(profile.Image(), static_cast<uint16_t>(profile.macros.size()),
                      static_cast<uint32_t>(area.size()), 0);
    std::vector<uint8_t> file(profile.image.begin(), profile.image.end());
    file.reserve(TotalSizeOf(profile.macros.size(), area.size()));
    for (const MacroRecord& macro : profile.macros) {
        file.insert(file.end(), macro.Bytes().begin(), macro.Bytes().end());
    }
    file.insert(file.end(), area.begin(), area.end());
    return file;
}

ProfileFileResult DecodeProfileFile(std::span<const uint8_t> file, WorkingProfile& profile) {
    if (file.size() < PROFILE_IMAGE_SIZE) {
        return PROFILE_FILE_REFUSED;
    }
    const size_t macroCount = ReadU16(file.data() + PROFILE_MACRO_COUNT_AT);
    const size_t areaSize = ReadU32(file.data() + PROFILE_STRING_SIZE_AT);
    if (macroCount > MACRO_LIST_CAPACITY || file.size() < TotalSizeOf(macroCount, areaSize)) {
        return PROFILE_FILE_REFUSED;
    }
    WorkingProfile loaded;
    std::copy_n(file.begin(), PROFILE_IMAGE_SIZE, loaded.image.begin());
    for (size_t i = 0; i < macroCount; ++i) {
        loaded.macros.emplace_back(
            file.subspan(PROFILE_MACROS_AT + MACRO_RECORD_SIZE * i).first<MACRO_RECORD_SIZE>());
    }
    UnpackTexts(loaded, file.subspan(PROFILE_MACROS_AT + MACRO_RECORD_SIZE * macroCount, areaSize));
    profile = std::move(loaded);
    return PROFILE_FILE_OK;
}

ProfileFileResult WriteBlankProfileFile(const std::string& path, uint8_t flag) {
    return WriteFileAtomically(path, BlankProfileImage(flag)) ? PROFILE_FILE_OK
                                                              : PROFILE_FILE_REFUSED;
}

ProfileFileResult WriteProfileFile(const std::string& path, WorkingProfile& profile) {
    // A keyboard plugged in again mostly holds what its file already does; rewriting the same
    // bytes would only wait for the disk.
    const std::vector<uint8_t> bytes = EncodeProfileFile(profile);
    if (FileHolds(path, bytes)) {
        return PROFILE_FILE_OK;
    }
    return WriteFileAtomically(path, bytes) ? PROFILE_FILE_OK : PROFILE_FILE_REFUSED;
}

ProfileFileResult ReadProfileFile(const std::string& path, WorkingProfile& profile) {
    std::vector<uint8_t> bytes;
    return ReadProfileBytes(path, bytes).result == PROFILE_FILE_OK
               ? DecodeProfileFile(bytes, profile)
               : PROFILE_FILE_REFUSED;
}

}  // namespace keyloom
