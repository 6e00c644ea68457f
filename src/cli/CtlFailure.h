#pragma once

// How a command that could not do its work ends: one line on standard error, exit code 1.

#include <string>

namespace keyloom {

inline constexpr int CTL_EXIT_FAILED = 1;
inline constexpr int CTL_EXIT_USAGE = 2;
// A keyboard is plugged in that this user may not open; the message said how to get access.
inline constexpr int CTL_EXIT_NO_ACCESS = 4;

// Prints "keyloomctl: <reason>"; CTL_EXIT_FAILED.
int CommandFailed(const std::string& reason);

// Prints "keyloomctl: <reason>" for arguments that only the keyboard's content shows to be wrong;
// CTL_EXIT_USAGE.
int ArgumentRefused(const std::string& reason);

}  // namespace keyloom
