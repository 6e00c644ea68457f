#include "platform/ProcessList.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <fstream>
#include <sstream>

#include "platform/IniDocument.h"

namespace keyloom {

namespace {

// The executable link of a process whose file was replaced or removed ends with this.
constexpr std::string_view kDeletedSuffix = " (deleted)";
// Fields of /proc/<pid>/stat after the command name in parentheses, up to the start time.
constexpr int kFieldsBeforeStartTime = 19;

std::optional<pid_t> PidOf(std::string_view entryName) {
    pid_t pid = 0;
    const auto [end, error] =
        std::from_chars(entryName.data(), entryName.data() + entryName.size(), pid);
    if (error != std::errc() || end != entryName.data() + entryName.size() || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// The command name may hold spaces and parentheses; the fields start after its last ')'.
std::optional<uint64_t> StartTime(const std::string& folder) {
    const std::string stat = FirstLine(folder + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(stat.substr(close + 1));
    std::string skipped;
    for (int i = 0; i < kFieldsBeforeStartTime; ++i) {
        fields >> skipped;
    }
    uint64_t startTime = 0;
    if (!(fields >> startTime)) {
        return std::nullopt;
    }
    return startTime;
}

std::string ExecutableName(const std::string& folder) {
    char target[PATH_MAX];
    const ssize_t size = readlink((folder + "/exe").c_str(), target, sizeof target);
    if (size <= 0 || static_cast<size_t>(size) >= sizeof target) {
        return FirstLine(folder + "/comm");
    }
    std::string_view path(target, static_cast<size_t>(size));
    if (path.ends_with(kDeletedSuffix)) {
        path.remove_suffix(kDeletedSuffix.size());
    }
    return std::string(path.substr(path.rfind('/') + 1));
}

}  // namespace

std::optional<std::vector<ProcessEntry>> ListUserProcesses() {
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return std::nullopt;
    }
    std::vector<ProcessEntry> processes;
    while (const dirent* entry = readdir(proc)) {
        const auto pid = PidOf(entry->d_name);
        const std::string folder = std::string("/proc/") + entry->d_name;
        struct stat info {};
        if (!pid || stat(folder.c_str(), &info) != 0 || info.st_uid != geteuid()) {
            continue;
        }
        // A process that ended meanwhile has no start time any more.
        if (const auto startTime = StartTime(folder)) {
            processes.push_back({*pid, *startTime, ExecutableName(folder)});
        }
    }
    closedir(proc);
    std::ranges::sort(processes, {}, [](const ProcessEntry& process) {
        return std::pair(process.startTime, process.pid);
    });
    return processes;
}

pid_t FindOtherInstance(std::string_view name, const std::function<bool(pid_t)>& accept) {
    const auto processes = ListUserProcesses();
    if (!processes) {
        return -1;
    }
    const pid_t self = getpid();
    const auto found = std::ranges::find_if(*processes, [&](const ProcessEntry& process) {
        return process.pid != self && EqualsIgnoringAsciiCase(process.name, name) &&
               (!accept || accept(process.pid));
    });
    return found == processes->end() ? 0 : found->pid;
}

}  // namespace keyloom
