#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// One process of this user.
struct ProcessEntry {
    pid_t pid = 0;
    // Start time in clock ticks after boot.
    uint64_t startTime = 0;
    // Base name of its executable file, or its command name when the file cannot be read.
    std::string name;
};

// The processes of this user from /proc, oldest first. Nothing when /proc cannot be read.
std::optional<std::vector<ProcessEntry>> ListUserProcesses();

// The oldest process of this user other than this one whose executable base name equals `name`,
// letter case ignored, and that `accept` takes (every one, when empty): its pid; 0 when there is
// none; -1 when the process list cannot be read.
pid_t FindOtherInstance(std::string_view name, const std::function<bool(pid_t)>& accept = {});

}  // namespace keyloom
