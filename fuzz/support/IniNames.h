#pragma once

// The names an INI text seems to hold, so that a target asks for entries that exist as well as
// for ones that do not. Read loosely on purpose: whatever the parser makes of the same lines is
// what the target checks.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom::fuzz {

struct IniName {
    std::optional<std::string> section;  // nothing before the first header
    std::string key;
};

// At most `limit` entry names, in the order of the text, each with the header above it.
std::vector<IniName> IniNamesOf(std::string_view text, size_t limit);

// The text of a file read as the profile functions read it: UTF-16LE after its byte order mark,
// otherwise UTF-8 (a UTF-8 byte order mark dropped).
std::string IniTextOf(const std::string& path);

// Whether the profile functions take the two names for one: blanks around them left out, ASCII
// letters compared without regard to case.
bool SameIniName(std::string_view a, std::string_view b);

// Well-formed UTF-8 without surrogates: text that a UTF-16 file stores unchanged.
bool IsValidUtf8(std::string_view text);

}  // namespace keyloom::fuzz
