#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace keyloom {

// Whether a write waits until the file is on disk, so that it survives a power loss too.
enum class FileSync { kToDisk, kNoWait };

// Writes the whole file through a temporary file in the same folder and a rename, so a crash or
// a full disk leaves either the old file or the new one, never a half-written one.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                                       FileSync sync = FileSync::kToDisk);

// Whether the file exists and holds exactly these bytes.
[[nodiscard]] bool FileHolds(const std::string& path, const std::vector<uint8_t>& bytes);

// The whole file, or nothing when it cannot be opened or read.
[[nodiscard]] std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

}  // namespace keyloom
