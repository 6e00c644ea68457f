#pragma once

// The desktop's on-screen keyboard, which the key settings dialog offers for keys the user's
// keyboard lacks.

#include <optional>
#include <string>

namespace keyloom {

// The path of the first known on-screen keyboard program found in the folders of
// `pathVariable` (a PATH value); none when no such program is installed.
std::optional<std::string> FindOnScreenKeyboard(const std::string& pathVariable);

// Starts `program` (a path from FindOnScreenKeyboard) on its own, without a terminal; false when it
// could not be started.
bool StartOnScreenKeyboard(const std::string& program);

}  // namespace keyloom
