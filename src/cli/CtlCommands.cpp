#include "cli/CtlCommands.h"

namespace keyloom {

const std::vector<CtlCommand>& CtlCommands() {
    static const std::vector<CtlCommand> commands = [] {
        std::vector<CtlCommand> all;
        for (const auto* group :
             {&KeyboardCommands(), &ProfileCommands(), &KeyCommands(), &MacroCommands(),
              &LightingCommands(), &DiffCommands(), &WatchCommands(), &NamesCommands()}) {
            all.insert(all.end(), group->begin(), group->end());
        }
        return all;
    }();
    return commands;
}

const CtlCommand* FindCtlCommand(const std::string& name) {
    for (const CtlCommand& command : CtlCommands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace keyloom
