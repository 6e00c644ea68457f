// info and config: what the keyboard says about itself.

#include <cstdio>

#include "cli/ConfigBlockText.h"
#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlSession.h"
#include "device/ConfigCommands.h"
#include "session/KeyboardAccess.h"

namespace keyloom {

namespace {

bool ReadConfig(CtlSession& ctl, uint8_t* block) {
    return CmdReadConfig(ctl.Session().link.Exchange(), block) == RESULT_OK;
}

// No keyboard to read: the absence as the command prints it, and a keyboard that is there but
// may not be opened said on standard error, with its own exit code.
int Absent(CtlSession& ctl, const char* text) {
    std::fputs(text, stdout);
    return ReportAccessProblem(ctl.Session()) ? CTL_EXIT_NO_ACCESS : 0;
}

int Info(CtlSession& ctl) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    if (!ctl.KeyboardPresent() || !ReadConfig(ctl, block)) {
        return Absent(ctl, "keyboard:       absent\n");
    }
    const std::string modes = JoinedNumbers(AnnouncedModes(block), " ");
    std::printf("keyboard:       present\n");
    std::printf("active profile: %d\n", block[CONFIG_ACTIVE_PROFILE] + 1);
    std::printf("macro memory:   %zu bytes\n", block[CONFIG_MACRO_UNITS] * MACRO_MEMORY_UNIT);
    std::printf("lighting modes: %s\n", modes.empty() ? "none" : modes.c_str());
    return 0;
}

// One line of JSON, with the same facts under names a script can rely on.
int InfoJson(CtlSession& ctl) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    if (!ctl.KeyboardPresent() || !ReadConfig(ctl, block)) {
        return Absent(ctl, "{\"present\":false}\n");
    }
    std::printf(
        "{\"present\":true,\"activeProfile\":%d,\"macroMemory\":%zu,\"lightingModes\":[%s]}\n",
        block[CONFIG_ACTIVE_PROFILE] + 1, block[CONFIG_MACRO_UNITS] * MACRO_MEMORY_UNIT,
        JoinedNumbers(AnnouncedModes(block), ",").c_str());
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
         "With --json one line: {\"present\":true,\"activeProfile\":1,\"macroMemory\":4096,\n"
         "\"lightingModes\":[1,2,3]}, or {\"present\":false} without a keyboard.\n",
         {{"--json", "", "print one JSON object instead of the text"}},
         0,
         0,
         [](const CtlArguments& arguments) {
             return CtlPlan::InSession(arguments.Has("--json") ? &InfoJson : &Info);
         }},
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
