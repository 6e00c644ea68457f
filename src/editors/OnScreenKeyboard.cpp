#include "editors/OnScreenKeyboard.h"

#include <unistd.h>

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/ProgramLauncher.h"

namespace keyloom {

namespace {

// On-screen keyboards of the Linux desktops, most wanted first: the X11 ones, then those of
// Wayland phones and tablets.
constexpr std::array<std::string_view, 5> kOnScreenKeyboards = {
    "onboard", "florence", "matchbox-keyboard", "squeekboard", "wvkbd-mobintl",
};

// Empty entries are skipped: they would name the current folder, and a GUI program's current
// folder is nothing the user chose to run programs from.
std::vector<std::string> FoldersOf(const std::string& pathVariable) {
    std::vector<std::string> folders;
    std::string::size_type start = 0;
    while (start <= pathVariable.size()) {
        auto end = pathVariable.find(':', start);
        if (end == std::string::npos) {
            end = pathVariable.size();
        }
        if (end > start) {
            folders.push_back(pathVariable.substr(start, end - start));
        }
        start = end + 1;
    }
    return folders;
}

bool IsExecutableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> FindOnScreenKeyboard(const std::string& pathVariable) {
    const auto folders = FoldersOf(pathVariable);
    for (const auto name : kOnScreenKeyboards) {
        for (const auto& folder : folders) {
            const std::string candidate = folder + "/" + std::string(name);
            if (IsExecutableFile(candidate)) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

bool StartOnScreenKeyboard(const std::string& program) {
    return OpenProgram(program, {}) > OPEN_LAST_FAILURE;
}

}  // namespace keyloom
