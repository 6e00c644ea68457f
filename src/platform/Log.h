#pragma once

// Lines for people who want to know why something did not work: one line per event on standard
// error. KEYLOOM_LOG chooses how much (error, warning, info, debug); warnings by default.

#include <string>

namespace keyloom {

enum class LogLevel { kError = 0, kWarning = 1, kInfo = 2, kDebug = 3 };

// The level read from KEYLOOM_LOG once; an unknown value keeps the default.
LogLevel LogThreshold();
bool LogEnabled(LogLevel level);

// Writes "keyloom: <level>: <text>" as one line, when the level is enabled. Safe from any thread.
void Log(LogLevel level, const std::string& text);

inline void LogError(const std::string& text) {
    Log(LogLevel::kError, text);
}
inline void LogWarning(const std::string& text) {
    Log(LogLevel::kWarning, text);
}
inline void LogInfo(const std::string& text) {
    Log(LogLevel::kInfo, text);
}

// "<what> <path>: <strerror(error)>", the usual shape of a file error.
std::string FileErrorText(const std::string& what, const std::string& path, int error);

}  // namespace keyloom
