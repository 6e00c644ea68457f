// keyloomctl: the keyboard session without a window, for scripts and checks.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlHelp.h"
#include "cli/CtlSession.h"
#include "device/DeviceLink.h"
#include "platform/ExecutablePath.h"
#include "platform/InstanceLock.h"
#include "platform/TerminationSignals.h"
#include "session/KeyboardAccess.h"

namespace {

using namespace keyloom;

constexpr int kExitToolRunning = 3;
constexpr int kExitBySignal = 128;  // plus the signal, as a shell reports it

// The options every command takes, the command and the words that are its own.
struct CommandLine {
    std::optional<MessageAnswer> answers;
    bool help = false;
    const CtlCommand* command = nullptr;
    std::vector<std::string> commandWords;
    std::string error;
};

// The options of the program stand anywhere before a lone "--" of the command; the first other
// word names the command.
CommandLine ReadCommandLine(int argc, char** argv) {
    CommandLine line;
    bool commandWordsOnly = false;
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string word = argv[i];
        if (commandWordsOnly) {
            line.commandWords.push_back(word);
        } else if (word == "--help" || word == "-h") {
            line.help = true;
        } else if (word == "--simulate") {
            setenv("ZOZODIZ_BACKEND", "sim", 1);
        } else if (word == "--yes" || word == "--no") {
            line.answers = word == "--yes" ? MessageAnswer::kYes : MessageAnswer::kNo;
        } else if (line.command != nullptr) {
            commandWordsOnly = word == "--";
            line.commandWords.push_back(word);
        } else if (word.starts_with("-")) {
            line.error = "unknown option " + word;
        } else if ((line.command = FindCtlCommand(word)) == nullptr) {
            line.error = "unknown command " + word;
        }
    }
    return line;
}

int UsageError(const std::string& reason, const std::string& usage) {
    std::fprintf(stderr, "keyloomctl: %s\n\n%s", reason.c_str(), usage.c_str());
    return CTL_EXIT_USAGE;
}

// A keyboard this user may not open is named, with how to get access.
int NoKeyboard(CtlSession& ctl) {
    return ReportAccessProblem(ctl.Session()) ? CTL_EXIT_NO_ACCESS
                                              : CommandFailed("no keyboard found");
}

int RunInSession(const CtlPlan& plan, std::optional<MessageAnswer> answers) {
    if (InstanceLock::HeldElsewhere(TOOL_INSTANCE_LOCK)) {
        std::fprintf(stderr,
                     "keyloomctl: Keyloom is running; exit it first (tray menu, Exit), since "
                     "both would talk to the keyboard at once\n");
        return kExitToolRunning;
    }
    std::string whyNot;
    std::unique_ptr<DeviceLink> link = DeviceLink::Bind(ExecutableFolder(), whyNot);
    if (!link) {
        return CommandFailed(whyNot);
    }
    // The library's threads call into the link for as long as the process lives.
    DeviceLink& bound = *link.release();
    // Asked to end, the command gives up its exchanges at once and fails, unless ending so is
    // what it waits for; files are only ever replaced whole, so none is left half written.
    CtlInterruption interruption;
    const TerminationSignals terminations([&bound, &interruption](int signal) {
        interruption.Interrupt(signal);
        bound.Answers().Abandon();
    });
    CtlSession ctl(bound, answers, plan.readsKeyboardBack, interruption);
    const int result =
        plan.needsKeyboard && !ctl.KeyboardPresent() ? NoKeyboard(ctl) : plan.inSession(ctl);
    const int caught = interruption.Signal();
    return caught != 0 && !interruption.Expected() ? kExitBySignal + caught : result;
}

}  // namespace

int main(int argc, char** argv) {
    // Before any thread exists, so that every thread inherits the blocked termination signals.
    TerminationSignals::Block();
    const CommandLine line = ReadCommandLine(argc, argv);
    if (!line.error.empty()) {
        return UsageError(line.error, UsageText());
    }
    if (line.help) {
        std::fputs((line.command != nullptr ? CommandHelp(*line.command) : UsageText()).c_str(),
                   stdout);
        return 0;
    }
    if (line.command == nullptr) {
        return UsageError("no command given", UsageText());
    }
    const CtlPlan plan = PlanCommand(*line.command, line.commandWords);
    if (!plan.refusal.empty()) {
        return UsageError(plan.refusal, CommandUsage(*line.command));
    }
    return plan.alone ? plan.alone() : RunInSession(plan, line.answers);
}
