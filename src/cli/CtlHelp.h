#pragma once

// What keyloomctl says about its use: the whole usage, and the help of one command.

#include <string>

#include "cli/CtlCommand.h"

namespace keyloom {

// --help: the options every command takes, each command in one line, and the exit codes.
std::string UsageText();

// --help COMMAND: its usage line, what it does, its options.
std::string CommandHelp(const CtlCommand& command);

// "Usage: keyloomctl NAME [OPTIONS] OPERANDS" and where to read more.
std::string CommandUsage(const CtlCommand& command);

}  // namespace keyloom
