#pragma once

// The settings key of the tool (HKEY_CURRENT_USER\Software\VQ52R_EN on Windows) kept in a small
// text file whose values keep their registry type. One value per line, before any "[section]"
// line; ';' starts a comment; names are compared without regard to ASCII case:
//
//   dwLanguageId=dword:00000409        REG_DWORD, 1 to 8 hexadecimal digits (written as 8)
//   Title="text \"quoted\" \\ ok"      REG_SZ, with \" \\ \n \r \t as the only escapes
//
// Every read goes to the file, since another process may change it. A line that does not parse
// (no closing quote, an unknown escape, a bad or too long hexadecimal number, an unknown type) is
// read as a missing value. Writes keep every other line and replace the file atomically.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace keyloom {

class RegistryKey {
  public:
    // $XDG_CONFIG_HOME/VQ52R_EN/registry.ini
    static std::string DefaultPath();

    // Opens the key file, creating its folder and an empty file when they are missing. When the
    // file can be neither read nor created the key is not available: reads give nothing and
    // writes are lost (they return false).
    static RegistryKey OpenOrCreate(const std::string& path = DefaultPath());

    bool IsOpen() const { return open_; }
    const std::string& Path() const { return path_; }

    // Nothing when the value is missing, is not a REG_DWORD, or the key is not available.
    std::optional<uint32_t> ReadDword(const std::string& name) const;
    [[nodiscard]] bool WriteDword(const std::string& name, uint32_t value) const;

    // Nothing when the value is missing, is not a REG_SZ, or the key is not available.
    std::optional<std::string> ReadString(const std::string& name) const;
    [[nodiscard]] bool WriteString(const std::string& name, const std::string& value) const;

  private:
    RegistryKey(std::string path, bool open) : path_(std::move(path)), open_(open) {}

    std::optional<std::string> ReadRaw(const std::string& name) const;
    [[nodiscard]] bool WriteRaw(const std::string& name, const std::string& raw) const;

    std::string path_;
    bool open_;
};

}  // namespace keyloom
