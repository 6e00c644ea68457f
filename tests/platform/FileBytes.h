#pragma once

// Files of the platform tests, written and read back as raw bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/UserFolders.h"

namespace keyloom::test {

// Creates the folder first when it is missing.
inline bool PutFile(const std::string& path, std::string_view bytes) {
    return EnsureFolder(path.substr(0, path.rfind('/'))) &&
           WriteFileAtomically(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

// The file's bytes; "<missing>" when it cannot be read.
inline std::string FileBytes(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
}

}  // namespace keyloom::test
