#pragma once

#include <string>
#include <vector>

namespace keyloom {

class CtlSession;

// One command of keyloomctl: its name, its argument, what it does.
struct CtlCommand {
    const char* name;
    const char* argument;  // empty when it takes none
    const char* help;
    // 0 on success; otherwise the reason has been printed.
    int (*run)(CtlSession& ctl, const std::string& argument);
};

const std::vector<CtlCommand>& CtlCommands();
const CtlCommand* FindCtlCommand(const std::string& name);

}  // namespace keyloom
