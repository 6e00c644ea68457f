#pragma once

namespace keyloom {

// The companion program that sits beside the tool's executable and is started by every start of
// the tool. Its file name also names the lock that keeps one copy of it per user.
inline constexpr const char* COMPANION_DAEMON = "RaRovovo";

}  // namespace keyloom
