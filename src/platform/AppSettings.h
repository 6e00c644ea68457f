#pragma once

// The per-application settings that the Windows framework keeps under the registry base
// "Keyloom_Orvane" (sections such as PROFILES), kept here as string values in one INI file per
// application title: $XDG_CONFIG_HOME/Keyloom_Orvane/<application title>.ini. Values have no
// length limit, as registry strings have none.

#include <string>

namespace keyloom {

std::string AppSettingsPath(const std::string& applicationTitle);

// The value, or the default when the file, the section or the key is missing.
std::string GetAppSetting(const std::string& applicationTitle, const std::string& section,
                          const std::string& key, const std::string& defaultValue);

[[nodiscard]] bool WriteAppSetting(const std::string& applicationTitle, const std::string& section,
                                   const std::string& key, const std::string& value);

// The value read as a decimal number the way Windows GetProfileInt reads it: a missing or empty
// value gives the default; otherwise leading blanks and one sign are skipped and the leading
// digits are the number (so "12ab" is 12 and "abc" is 0), wrapping around at 32 bits.
int GetAppSettingInt(const std::string& applicationTitle, const std::string& section,
                     const std::string& key, int defaultValue);

}  // namespace keyloom
