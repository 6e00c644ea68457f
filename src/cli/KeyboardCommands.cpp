// info and config: what the keyboard says about itself.

#include <cstdio>

#include "cli/ConfigBlockText.h"
#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlSession.h"
#include "device/ConfigCommands.h"

namespace keyloom {

namespace {

bool ReadConfig(CtlSession& ctl, uint8_t* block) {
    return CmdReadConfig(ctl.Session().link.Exchange(), block) == RESULT_OK;
}

int Info(CtlSession& ctl) {
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

int Config(CtlSession& ctl) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    if (!ReadConfig(ctl, block)) {
        return CommandFailed("the keyboard did not answer");
    }
    std::fputs(ConfigBlockText(block).c_str(), stdout);
    return 0;
}

}  // namespace

const std::vector<CtlCommand>& KeyboardCommands() {
    static const std::vector<CtlCommand> commands = {
        {"info",
         "",
         "show whether a keyboard is present, its active profile, macro memory and lighting modes",
         "",
         {},
         0,
         0,
         [](const CtlArguments&) { return CtlPlan::InSession(&Info); }},
        {"config",
         "",
         "read the keyboard's configuration block and print it",
         "",
         {},
         0,
         0,
         [](const CtlArguments&) { return CtlPlan::WithKeyboard(&Config); }},
    };
    return commands;
}

}  // namespace keyloom
