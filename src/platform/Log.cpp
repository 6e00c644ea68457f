#include "platform/Log.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace keyloom {

namespace {

struct LevelName {
    LogLevel level;
    std::string_view name;
};

constexpr std::array kLevelNames = {
    LevelName{LogLevel::kError, "error"},
    LevelName{LogLevel::kWarning, "warning"},
    LevelName{LogLevel::kInfo, "info"},
    LevelName{LogLevel::kDebug, "debug"},
};

LogLevel ReadThreshold() {
    const char* value = std::getenv("KEYLOOM_LOG");
    if (value != nullptr) {
        for (const LevelName& entry : kLevelNames) {
            if (entry.name == value) {
                return entry.level;
            }
        }
    }
    return LogLevel::kWarning;
}

std::string_view NameOf(LogLevel level) {
    return kLevelNames[static_cast<size_t>(level)].name;
}

}  // namespace

LogLevel LogThreshold() {
    static const LogLevel threshold = ReadThreshold();
    return threshold;
}

bool LogEnabled(LogLevel level) {
    return level <= LogThreshold();
}

void Log(LogLevel level, const std::string& text) {
    if (!LogEnabled(level)) {
        return;
    }
    std::string line = "keyloom: ";
    line += NameOf(level);
    line += ": ";
    line += text;
    line += '\n';
    // One write per line, so lines of different threads never mix.
    const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
    static_cast<void>(written);  // nowhere left to report a failed write of the log itself
}

std::string FileErrorText(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
}

}  // namespace keyloom
