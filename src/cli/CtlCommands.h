#pragma once

// The commands of keyloomctl, in the order the help lists them.

#include <string>
#include <vector>

#include "cli/CtlCommand.h"

namespace keyloom {

const std::vector<CtlCommand>& CtlCommands();
const CtlCommand* FindCtlCommand(const std::string& name);

// The groups the table is made of.
const std::vector<CtlCommand>& KeyboardCommands();  // info, config
const std::vector<CtlCommand>& ProfileCommands();   // backup, restore, profile
const std::vector<CtlCommand>& KeyCommands();       // assign, keys
const std::vector<CtlCommand>& MacroCommands();     // macro
const std::vector<CtlCommand>& DiffCommands();      // diff
const std::vector<CtlCommand>& WatchCommands();     // watch
const std::vector<CtlCommand>& LightingCommands();  // lighting, rate
const std::vector<CtlCommand>& NamesCommands();     // names

// The words of the macro and lighting commands, as `names` lists them.
std::vector<std::string> MacroActionWords();
std::vector<std::string> LightingSettingWords();
std::vector<std::string> DirectionWords();
std::vector<std::string> FixedColorWords();
std::vector<std::string> ReportRateWords();

}  // namespace keyloom
