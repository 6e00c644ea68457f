// diff: what the keyboard holds against the working profile file the window last saved, the
// question after a replug or a resume. Exit 0 when they agree, 1 when they differ.

#include <cstdio>
#include <string>

#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlSession.h"
#include "cli/KeyLines.h"
#include "session/KeyboardComparison.h"
#include "session/LanguageMessage.h"
#include "session/ProfileOperations.h"
#include "storage/ProfileFile.h"

namespace keyloom {

namespace {

constexpr int kExitDiffer = 1;

// Compared keys play macros by position + 1 in their own list.
MacroNameLookup NameByPosition(const MacroList& macros) {
    return [&macros](uint32_t position) {
        return position >= 1 && position <= macros.size() ? macros[position - 1].Name()
                                                          : std::string();
    };
}

std::string MacroLine(const std::optional<MacroRecord>& macro) {
    if (!macro) {
        return "none";
    }
    return macro->Name() + " (repeat " + std::to_string(macro->RepeatCount()) + ", " +
           std::to_string(macro->EventCount()) + " events)";
}

void PrintDifference(const std::string& what, const std::string& saved, const std::string& held) {
    std::printf("%s\n  saved:    %s\n  keyboard: %s\n", what.c_str(), saved.c_str(), held.c_str());
}

int Diff(CtlSession& ctl) {
    KeyboardSession& session = ctl.Session();
    const std::string path = WorkingProfilePath(session, 0);
    WorkingProfile saved;
    if (ReadProfileFile(path, saved) != PROFILE_FILE_OK) {
        return CommandFailed("there is no working profile file to compare with (" + path + ")");
    }
    const MacroList savedMacros = saved.macros;
    const auto comparison = CompareWithKeyboard(session, std::move(saved));
    if (!comparison) {
        return CommandFailed("the keyboard could not be read");
    }
    const TextLookup text = [&session](const std::string& key) {
        return SessionText(session, key);
    };
    for (const KeyDifference& key : comparison->keys) {
        PrintDifference("profile " + std::to_string(key.profile + 1),
                        KeyLine(key.slot, key.saved, text, NameByPosition(savedMacros)),
                        KeyLine(key.slot, key.held, text, NameByPosition(comparison->held.macros)));
    }
    for (const MacroDifference& macro : comparison->macros) {
        PrintDifference("macro " + std::to_string(macro.position + 1), MacroLine(macro.saved),
                        MacroLine(macro.held));
    }
    if (comparison->keys.empty() && comparison->macros.empty()) {
        std::printf("The keyboard holds what the working profile file says.\n");
        return 0;
    }
    return kExitDiffer;
}

}  // namespace

const std::vector<CtlCommand>& DiffCommands() {
    static const std::vector<CtlCommand> commands = {
        {"diff",
         "",
         "compare the keyboard with the working profile file the window last saved",
         "Prints the keys (by profile) and the macros whose function or content differs, each as\n"
         "saved and as the keyboard holds it, both as the keyboard plays them. Exit code 0 when\n"
         "they agree, 1 when they differ or cannot be compared (then with the reason).\n",
         {},
         0,
         0,
         [](const CtlArguments&) { return CtlPlan::WithKeyboardAndSavedProfile(&Diff); }},
    };
    return commands;
}

}  // namespace keyloom
