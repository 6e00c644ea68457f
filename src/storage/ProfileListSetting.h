#pragma once

// The profile manager's rows, kept in section PROFILES of the per-application settings: the
// number of rows under PROFILE00 and the path of row n (counted from 1) under PROFILE<nn>.

#include <string>
#include <vector>

namespace keyloom {

// Stores the paths in order and their number. False when one of the values cannot be written.
[[nodiscard]] bool WriteProfileListSetting(const std::string& applicationTitle,
                                           const std::vector<std::string>& paths);

}  // namespace keyloom
