#pragma once

// Whether the macro recorder keeps the measured pauses: a per-application setting in section
// PROFILES whose value name is the language text of kRecordDelaySettingText, value "0" or "1".

#include <string>

namespace keyloom {

inline constexpr const char* kRecordDelaySettingText = "MACRO_ACTION_RECORD_DELAY";

// The stored number; 0 when nothing is stored.
int ReadRecordDelaySetting(const std::string& applicationTitle, const std::string& valueName);

// Stores "1" for 1 and "0" for any other number. False when it cannot be written.
[[nodiscard]] bool WriteRecordDelaySetting(const std::string& applicationTitle,
                                           const std::string& valueName, int value);

}  // namespace keyloom
