#include "platform/UserFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace keyloom {

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/tmp";
}

std::string FromVariable(const char* name, const char* fallbackUnderHome) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    return HomeFolder() + "/" + fallbackUnderHome;
}

}  // namespace

std::string DataHome() {
    return FromVariable("XDG_DATA_HOME", ".local/share");
}

std::string ConfigHome() {
    return FromVariable("XDG_CONFIG_HOME", ".config");
}

std::string StateHome() {
    return FromVariable("XDG_STATE_HOME", ".local/state");
}

std::string RuntimeHome() {
    const char* value = std::getenv("XDG_RUNTIME_DIR");
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    // Without a session runtime folder, a folder of our own that only this user may enter. One
    // that someone else made beforehand (another owner, a link, open to others) is not used.
    const std::string folder = "/tmp/keyloom-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
        (info.st_mode & 0077) != 0) {
        return std::string();
    }
    return folder;
}

bool EnsureFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

}  // namespace keyloom
