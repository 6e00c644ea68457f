// backup, restore and profile: the keyboard's three profiles as a whole.

#include <cstdio>

#include "cli/ArgumentValues.h"
#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlSession.h"
#include "session/ActiveProfile.h"
#include "session/ProfileOperations.h"
#include "session/ProfileReload.h"

namespace keyloom {

namespace {

int Backup(CtlSession& ctl, const std::string& path) {
    KeyboardSession& session = ctl.Session();
    if (ReloadFromKeyboard(session, 0) != PROFILE_FILE_OK) {
        return CommandFailed("the keyboard's profiles could not be read");
    }
    if (ExportProfileFile(session, path) != PROFILE_FILE_OK) {
        return CommandFailed("cannot write " + path);
    }
    std::printf("Saved the three profiles and the macros to %s\n", path.c_str());
    return 0;
}

int Restore(CtlSession& ctl, const std::string& path) {
    if (ImportProfileFile(ctl.Session(), path) != PROFILE_FILE_OK) {
        return CommandFailed("cannot restore " + path);
    }
    std::printf("Restored the three profiles and the macros from %s\n", path.c_str());
    return 0;
}

int SwitchProfile(CtlSession& ctl, int profile) {
    KeyboardSession& session = ctl.Session();
    // The keyboard itself is asked below, which covers every way the switch can fail.
    (void)SelectProfile(session, profile);
    ctl.Settle();
    session.context.activeProfileCache = -1;  // ask the keyboard, not the cache
    if (GetActiveProfile(session) != profile) {
        return CommandFailed("the keyboard did not switch its profile");
    }
    std::printf("Profile %d is active\n", profile + 1);
    return 0;
}

CtlPlan PlanProfile(const CtlArguments& arguments) {
    const Checked<int> profile = ProfileArgument(arguments.Operands()[0]);
    if (!profile) {
        return CtlPlan::Refused(profile.error);
    }
    return CtlPlan::WithKeyboard(
        [profile = *profile](CtlSession& ctl) { return SwitchProfile(ctl, profile); });
}

}  // namespace

const std::vector<CtlCommand>& ProfileCommands() {
    static const std::vector<CtlCommand> commands = {
        {"backup",
         "FILE",
         "read the keyboard's three profiles and macros and save them to FILE (a .qvp file)",
         "",
         {},
         1,
         1,
         [](const CtlArguments& arguments) {
             return WithKeyboardOn(&Backup, arguments.Operands()[0]);
         }},
        {"restore",
         "FILE",
         "write the three profiles and the macros of FILE to the keyboard",
         "",
         {},
         1,
         1,
         [](const CtlArguments& arguments) {
             return WithKeyboardOn(&Restore, arguments.Operands()[0]);
         }},
        {"profile",
         "N",
         "make profile N (1 to 3) the keyboard's active profile",
         "",
         {},
         1,
         1,
         &PlanProfile},
    };
    return commands;
}

}  // namespace keyloom
