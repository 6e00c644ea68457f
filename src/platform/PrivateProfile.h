#pragma once

// INI values read and written with the observable behaviour of the Windows private-profile
// functions (GetPrivateProfileStringW, WritePrivateProfileStringW), which the skin, language and
// lighting files were made for. Every call opens the file again; nothing is cached.
//
// Reading: section and key names are compared without regard to ASCII case and to surrounding
// blanks; the value loses its
// surrounding blanks and then one pair of matching surrounding quotes ("..." or '...'); an entry
// with an empty value gives an empty result, while a missing file, section or key gives the
// default (without its trailing spaces, as Windows does). Files are UTF-8; a UTF-8 byte order
// mark is skipped and a file that starts with the UTF-16LE byte order mark is read as UTF-16LE.
//
// Writing: creates the folder, the file, the section or the key as needed. An existing key keeps
// its line and only its value is replaced; a new key goes after the last key of its section; a
// new section goes at the end of the file. Every other line stays byte for byte and the file
// keeps its encoding. The file is replaced atomically.

#include <cstddef>
#include <string>

namespace keyloom {

// Copies the value (or the default) to `out`, cut to bufferChars - 1 characters, and returns the
// number of characters copied. Characters are counted as Windows counts them, in UTF-16 code
// units (one for most characters, two beyond U+FFFF), and a character is never cut in half:
// one that does not fit whole is left out. A buffer of 0 characters gives "" and 0.
size_t GetPrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& defaultValue, std::string& out,
                               size_t bufferChars, const std::string& path);

// Sets the key's value. False when the file exists but cannot be read, when it cannot be written,
// or when the names or the value cannot be stored in an INI line: a blank section or key, a line
// break in any of the three, a key that holds '=' or starts with ';' or '['.
[[nodiscard]] bool WritePrivateProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& path);

// GetPrivateProfileString with the result as the return value.
std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& path,
                              size_t bufferChars = 260);

}  // namespace keyloom
