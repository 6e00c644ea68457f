#pragma once

#include <optional>
#include <string>

namespace keyloom {

// One initialization file, read a string at a time; the file is opened anew for every value.
class CIniFile {
  public:
    explicit CIniFile(std::string path);

    const std::string& Path() const { return m_path; }

    // The value of `key` in `section`, cut to 2047 characters; nothing when the value is empty
    // or the file, section or key is missing.
    std::optional<std::string> ReadString(const std::string& section, const std::string& key) const;

  private:
    std::string m_path;
};

}  // namespace keyloom
