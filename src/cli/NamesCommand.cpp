// names: the words keyloomctl accepts, one per line, for people and for shell completion. It
// needs no keyboard: the words come from the tool's tables and language files.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/ArgumentValues.h"
#include "cli/CtlCommands.h"
#include "cli/KeyArguments.h"
#include "cli/LightingModeNames.h"

namespace keyloom {

namespace {

std::vector<std::string> CommandWords() {
    return WordsOf(CtlCommands(), &CtlCommand::name);
}

struct NameList {
    std::string_view name;
    std::vector<std::string> (*words)();
};

constexpr NameList kLists[] = {
    {"commands", &CommandWords},
    {"keys", &KeyWords},
    {"functions", &FunctionWords},
    {"mouse", &MouseWords},
    {"media", &MediaWords},
    {"modes", &ModeWords},
    {"macro-actions", &MacroActionWords},
    {"settings", &LightingSettingWords},
    {"directions", &DirectionWords},
    {"fixed-colors", &FixedColorWords},
    {"rates", &ReportRateWords},
};
constexpr std::string_view kOptionsList = "options";
constexpr std::string_view kListsList = "lists";

int PrintLines(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        std::printf("%s\n", word.c_str());
    }
    return 0;
}

std::vector<std::string> ListNames() {
    std::vector<std::string> names = WordsOf(kLists, &NameList::name);
    names.emplace_back(kOptionsList);
    names.emplace_back(kListsList);
    return names;
}

std::vector<std::string> OptionWords(const CtlCommand& command) {
    return WordsOf(command.options, &CtlOption::name);
}

CtlPlan PlanNames(const CtlArguments& arguments) {
    const std::vector<std::string>& words = arguments.Operands();
    const Checked<size_t> list = ChoiceArgument("list", words[0], ListNames());
    if (!list) {
        return CtlPlan::Refused(list.error);
    }
    const bool options = words[0] == kOptionsList;
    if (options != (words.size() == 2)) {
        return CtlPlan::Refused(options ? "names options takes the COMMAND whose options to list"
                                        : "names " + words[0] + " takes nothing more");
    }
    if (words[0] == kListsList) {
        return CtlPlan::Alone([] { return PrintLines(ListNames()); });
    }
    if (!options) {
        return CtlPlan::Alone([list = kLists[*list]] { return PrintLines(list.words()); });
    }
    const CtlCommand* command = FindCtlCommand(words[1]);
    if (command == nullptr) {
        return CtlPlan::Refused(BadArgument("command", words[1], ChoiceList(CommandWords())));
    }
    return CtlPlan::Alone([command] { return PrintLines(OptionWords(*command)); });
}

}  // namespace

const std::vector<CtlCommand>& NamesCommands() {
    static const std::vector<CtlCommand> commands = {
        {"names",
         "LIST [COMMAND]",
         "print the words a list holds, one per line (for scripts and shell completion)",
         "The lists: commands, keys (of the keyboard picture, and G1 to G9), functions (the\n"
         "forms of FUNCTION), mouse, media, modes, macro-actions, settings (of lighting),\n"
         "directions, fixed-colors, rates, options COMMAND, and lists (these lists). Names are\n"
         "the English ones without their spaces; the tool's language and the spaced forms are\n"
         "accepted as well.\n",
         {},
         1,
         2,
         &PlanNames},
    };
    return commands;
}

}  // namespace keyloom
