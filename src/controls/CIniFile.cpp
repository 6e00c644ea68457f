#include "controls/CIniFile.h"

#include <utility>

#include "platform/PrivateProfile.h"

namespace keyloom {

namespace {

constexpr size_t kValueBufferChars = 2048;

}  // namespace

CIniFile::CIniFile(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> CIniFile::ReadString(const std::string& section,
                                                const std::string& key) const {
    std::string value = ReadProfileString(section, key, "", m_path, kValueBufferChars);
    if (value.empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace keyloom
