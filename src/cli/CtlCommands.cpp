#include "cli/CtlCommands.h"

#include <cstdio>
#include <cstdlib>

#include "cli/ConfigBlockText.h"
#include "cli/CtlSession.h"
#include "device/ConfigCommands.h"
#include "session/ActiveProfile.h"
#include "session/ProfileOperations.h"
#include "session/ProfileReload.h"

namespace keyloom {

namespace {

constexpr int kProfileCount = 3;

int Fail(const char* reason) {
    std::fprintf(stderr, "keyloomctl: %s\n", reason);
    return 1;
}

bool ReadConfig(CtlSession& ctl, uint8_t* block) {
    return CmdReadConfig(ctl.Session().link.Exchange(), block) == RESULT_OK;
}

int Info(CtlSession& ctl, const std::string&) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    if (!ctl.KeyboardPresent() || !ReadConfig(ctl, block)) {
        std::printf("keyboard:       absent\n");
        return 0;
    }
    std::string modes;
    for (size_t i = 0; i < CONFIG_MODE_COUNT; ++i) {
        if (const uint8_t mode = block[CONFIG_MODE_LIST + i]) {
            modes += (modes.empty() ? "" : " ") + std::to_string(mode);
        }
    }
    std::printf("keyboard:       present\n");
    std::printf("active profile: %d\n", block[CONFIG_ACTIVE_PROFILE] + 1);
    std::printf("macro memory:   %zu bytes\n", block[CONFIG_MACRO_UNITS] * MACRO_MEMORY_UNIT);
    std::printf("lighting modes: %s\n", modes.empty() ? "none" : modes.c_str());
    return 0;
}

int Config(CtlSession& ctl, const std::string&) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    if (!ctl.KeyboardPresent()) {
        return Fail("no keyboard found");
    }
    if (!ReadConfig(ctl, block)) {
        return Fail("the keyboard did not answer");
    }
    std::fputs(ConfigBlockText(block).c_str(), stdout);
    return 0;
}

int Backup(CtlSession& ctl, const std::string& path) {
    if (!ctl.KeyboardPresent()) {
        return Fail("no keyboard found");
    }
    KeyboardSession& session = ctl.Session();
    if (ReloadFromKeyboard(session, 0) != PROFILE_FILE_OK) {
        return Fail("the keyboard's profiles could not be read");
    }
    if (ExportProfileFile(session, path) != PROFILE_FILE_OK) {
        return Fail(("cannot write " + path).c_str());
    }
    std::printf("Saved the three profiles and the macros to %s\n", path.c_str());
    return 0;
}

int Restore(CtlSession& ctl, const std::string& path) {
    if (!ctl.KeyboardPresent()) {
        return Fail("no keyboard found");
    }
    if (ImportProfileFile(ctl.Session(), path) != PROFILE_FILE_OK) {
        return Fail(("cannot restore " + path).c_str());
    }
    std::printf("Restored the three profiles and the macros from %s\n", path.c_str());
    return 0;
}

int Profile(CtlSession& ctl, const std::string& number) {
    char* end = nullptr;
    const long shown = std::strtol(number.c_str(), &end, 10);
    if (number.empty() || *end != '\0' || shown < 1 || shown > kProfileCount) {
        return Fail("the profile is a number from 1 to 3");
    }
    if (!ctl.KeyboardPresent()) {
        return Fail("no keyboard found");
    }
    KeyboardSession& session = ctl.Session();
    const int profile = static_cast<int>(shown - 1);
    // The keyboard itself is asked below, which covers every way the switch can fail.
    (void)SelectProfile(session, profile);
    ctl.Settle();
    session.context.activeProfileCache = -1;  // ask the keyboard, not the cache
    if (GetActiveProfile(session) != profile) {
        return Fail("the keyboard did not switch its profile");
    }
    std::printf("Profile %ld is active\n", shown);
    return 0;
}

const std::vector<CtlCommand> kCommands = {
    {"info", "",
     "show whether a keyboard is present, its active profile, macro memory and "
     "lighting modes",
     &Info},
    {"config", "", "read the keyboard's configuration block and print it", &Config},
    {"backup", "FILE",
     "read the keyboard's three profiles and macros and save them to FILE "
     "(a .qvp file)",
     &Backup},
    {"restore", "FILE", "write the three profiles and the macros of FILE to the keyboard",
     &Restore},
    {"profile", "N", "make profile N (1 to 3) the keyboard's active profile", &Profile},
};

}  // namespace

const std::vector<CtlCommand>& CtlCommands() {
    return kCommands;
}

const CtlCommand* FindCtlCommand(const std::string& name) {
    for (const auto& command : kCommands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace keyloom
