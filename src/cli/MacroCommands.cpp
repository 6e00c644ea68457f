// macro: the keyboard's macros listed, shown, exported to and imported from a JSON file, and
// deleted, with the rules of the macro editor and written with the apply pipeline.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlSession.h"
#include "cli/KeyArguments.h"
#include "cli/MacroArguments.h"
#include "model/MacroImport.h"
#include "platform/AtomicFile.h"
#include "session/ActiveProfile.h"
#include "session/ProfileKeyEditing.h"
#include "storage/MacroJsonFile.h"

namespace keyloom {

namespace {

constexpr std::string_view kStandardStream = "-";

std::string Plural(size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

int ListMacros(CtlSession& ctl) {
    const MacroList macros = WorkingMacros(ctl.Session());
    for (const MacroRecord& macro : macros) {
        std::printf("%3u  %s  (%s, repeat %u)\n", macro.Id(), macro.Name().c_str(),
                    Plural(static_cast<size_t>(macro.EventCount()), "event", "events").c_str(),
                    macro.RepeatCount());
    }
    if (macros.empty()) {
        std::printf("The keyboard holds no macros.\n");
    }
    return 0;
}

// Work on the macro a word names among the keyboard's macros, which it may change.
using NamedMacroWork = int (*)(CtlSession& ctl, MacroList& macros, MacroRecord& macro);

int OnNamedMacro(CtlSession& ctl, const std::string& word, NamedMacroWork work) {
    MacroList macros = WorkingMacros(ctl.Session());
    const Checked<MacroRecord*> macro = MacroArgument(word, macros);
    return macro ? work(ctl, macros, **macro) : ArgumentRefused(macro.error);
}

int ShowMacro(CtlSession&, MacroList&, MacroRecord& shown) {
    std::printf("%s (id %u), repeat %u, %s\n", shown.Name().c_str(), shown.Id(),
                shown.RepeatCount(),
                Plural(static_cast<size_t>(shown.EventCount()), "event", "events").c_str());
    for (const MacroEvent& event : shown.Events()) {
        std::printf("  %-16s %-4s %5u ms\n", KeyFileName(event.key).c_str(),
                    std::string(MacroActionWord(event.action)).c_str(), event.delay);
    }
    return 0;
}

int ExportMacros(CtlSession& ctl, const std::string& path) {
    const MacroList macros = WorkingMacros(ctl.Session());
    const std::string json = MacroListJson(macros, &KeyFileName);
    if (path == kStandardStream) {
        std::fputs(json.c_str(), stdout);
        return 0;
    }
    if (!WriteFileAtomically(path, std::vector<uint8_t>(json.begin(), json.end()))) {
        return CommandFailed("cannot write " + path);
    }
    std::printf("Saved %s to %s\n", Plural(macros.size(), "macro", "macros").c_str(), path.c_str());
    return 0;
}

// The macros are the keyboard's, so the active profile's key table goes with them.
bool ApplyMacros(CtlSession& ctl, MacroList macros) {
    StoreWorkingMacros(ctl.Session(), std::move(macros));
    return ctl.Apply(GetActiveProfile(ctl.Session()));
}

int ImportMacroFile(CtlSession& ctl, const MacroJsonRead& read) {
    for (const std::string& note : read.notes) {
        std::fprintf(stderr, "keyloomctl: %s\n", note.c_str());
    }
    MacroList macros = WorkingMacros(ctl.Session());
    const MacroImportCount count = ImportMacros(macros, read.macros);
    if (!count.fits) {
        return ArgumentRefused("the keyboard would hold more than " +
                               std::to_string(MACRO_LIST_CAPACITY) + " macros; none imported");
    }
    if (!ApplyMacros(ctl, std::move(macros))) {
        return CTL_EXIT_FAILED;
    }
    std::printf("Imported %s: %zu added, %zu replaced\n",
                Plural(read.macros.size(), "macro", "macros").c_str(), count.added, count.replaced);
    return 0;
}

int DeleteMacro(CtlSession& ctl, MacroList& macros, MacroRecord& macro) {
    const std::string name = macro.Name();
    if (!ConfirmWorkingMacroDelete(ctl.Session(), macro)) {
        return CommandFailed("the macro " + name + " was kept");
    }
    macros.erase(macros.begin() + (&macro - macros.data()));
    if (!ApplyMacros(ctl, std::move(macros))) {
        return CTL_EXIT_FAILED;
    }
    std::printf("Deleted the macro %s\n", name.c_str());
    return 0;
}

// The file is read and checked before the keyboard is touched.
CtlPlan PlanImport(const std::string& path) {
    const auto bytes = ReadWholeFile(path == kStandardStream ? "/dev/stdin" : path);
    if (!bytes) {
        return CtlPlan::Refused("cannot read " + path);
    }
    MacroJsonRead read = ReadMacroListJson(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
        &KeyOfFileName);
    if (!read.error.empty()) {
        return CtlPlan::Refused(path + ": " + read.error);
    }
    return CtlPlan::WithKeyboard(
        [read = std::move(read)](CtlSession& ctl) { return ImportMacroFile(ctl, read); });
}

template <NamedMacroWork work>
CtlPlan PlanOnNamedMacro(const std::string& name) {
    return CtlPlan::WithKeyboard([name](CtlSession& ctl) { return OnNamedMacro(ctl, name, work); });
}

// A subcommand and the word it takes, if any.
struct MacroSubcommand {
    std::string_view word;
    std::string_view operand;  // as the help names it; empty for none
    CtlPlan (*plan)(const std::string& operand);
};

constexpr MacroSubcommand kSubcommands[] = {
    {"list", "", [](const std::string&) { return CtlPlan::WithKeyboard(&ListMacros); }},
    {"show", "NAME", &PlanOnNamedMacro<&ShowMacro>},
    {"export", "FILE", [](const std::string& path) { return WithKeyboardOn(&ExportMacros, path); }},
    {"import", "FILE", &PlanImport},
    {"delete", "NAME", &PlanOnNamedMacro<&DeleteMacro>},
};

CtlPlan PlanMacro(const CtlArguments& arguments) {
    const std::vector<std::string>& words = arguments.Operands();
    const Checked<size_t> chosen = ChoiceArgument("macro action", words[0], MacroActionWords());
    if (!chosen) {
        return CtlPlan::Refused(chosen.error);
    }
    const MacroSubcommand& action = kSubcommands[*chosen];
    if ((words.size() == 2) != !action.operand.empty()) {
        return CtlPlan::Refused("macro " + std::string(action.word) +
                                (action.operand.empty() ? " takes nothing more"
                                                        : " takes " + std::string(action.operand)));
    }
    return action.plan(words.size() == 2 ? words[1] : std::string());
}

}  // namespace

std::vector<std::string> MacroActionWords() {
    return WordsOf(kSubcommands, &MacroSubcommand::word);
}

const std::vector<CtlCommand>& MacroCommands() {
    static const std::vector<CtlCommand> commands = {
        {"macro",
         "list | show NAME | export FILE | import FILE | delete NAME",
         "list, show, export, import or delete the keyboard's macros",
         "NAME is a macro's name or its number as list shows it. export writes all macros to\n"
         "FILE as JSON (- for standard output); import reads such a file (- for standard\n"
         "input): a macro of the same name is replaced, keeping the keys that play it, the\n"
         "others are added. The macro editor's rules apply: at most 100 macros of 2000 events,\n"
         "pauses of at most 40000 ms in steps of 10, names of at most 249 characters; what a\n"
         "file says beyond them is changed to fit and said so. delete asks, as the window does,\n"
         "when a key plays the macro (--yes answers). Changes are written to the keyboard with\n"
         "the key tables, as the window's Apply writes them.\n",
         {},
         1,
         2,
         &PlanMacro},
    };
    return commands;
}

}  // namespace keyloom
