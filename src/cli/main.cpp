// keyloomctl: the keyboard session without a window, for scripts and checks.

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "cli/CtlCommands.h"
#include "cli/CtlSession.h"
#include "device/DeviceLink.h"
#include "platform/ExecutablePath.h"
#include "platform/InstanceLock.h"
#include "platform/TerminationSignals.h"

namespace {

using namespace keyloom;

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitToolRunning = 3;
constexpr int kExitBySignal = 128;  // plus the signal, as a shell reports it

std::string Usage() {
    std::string text =
        "Usage: keyloomctl [--simulate] [--yes | --no] COMMAND [ARGUMENT]\n"
        "\n"
        "Options:\n"
        "  --simulate   use the built-in virtual keyboard instead of a real one\n"
        "  --yes, --no  answer every question with Yes or No (default: the question's\n"
        "               default button)\n"
        "  --help       show this text\n"
        "\n"
        "Commands:\n";
    for (const auto& command : CtlCommands()) {
        std::string left = std::string("  ") + command.name;
        if (command.argument[0] != '\0') {
            left += std::string(" ") + command.argument;
        }
        left.resize(std::max<size_t>(left.size() + 1, 17), ' ');
        text += left + command.help + "\n";
    }
    text +=
        "\nMessages the tool would show in a message box are printed to standard error.\n"
        "Exit code 0 on success, 1 when the command failed, 2 for wrong usage, 3 while Keyloom\n"
        "itself is running, 128 + the signal when interrupted (the exchange in flight is\n"
        "abandoned and no file is left half written).\n";
    return text;
}

struct Arguments {
    std::optional<MessageAnswer> answers;
    std::vector<std::string> words;
};

int UsageError(const std::string& reason) {
    std::fprintf(stderr, "keyloomctl: %s\n\n%s", reason.c_str(), Usage().c_str());
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // Before any thread exists, so that every thread inherits the blocked termination signals.
    TerminationSignals::Block();
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        }
        if (word == "--simulate") {
            setenv("ZOZODIZ_BACKEND", "sim", 1);
        } else if (word == "--yes" || word == "--no") {
            arguments.answers = word == "--yes" ? MessageAnswer::kYes : MessageAnswer::kNo;
        } else if (word.rfind("--", 0) == 0) {
            return UsageError("unknown option " + word);
        } else {
            arguments.words.push_back(word);
        }
    }
    if (arguments.words.empty()) {
        return UsageError("no command given");
    }
    const CtlCommand* command = FindCtlCommand(arguments.words[0]);
    if (command == nullptr) {
        return UsageError("unknown command " + arguments.words[0]);
    }
    const size_t expected = command->argument[0] != '\0' ? 2 : 1;
    if (arguments.words.size() != expected) {
        return UsageError(
            std::string(command->name) +
            (expected == 2 ? " takes " + std::string(command->argument) : " takes no argument"));
    }
    if (InstanceLock::HeldElsewhere(TOOL_INSTANCE_LOCK)) {
        std::fprintf(stderr,
                     "keyloomctl: Keyloom is running; exit it first (tray menu, Exit), since "
                     "both would talk to the keyboard at once\n");
        return kExitToolRunning;
    }
    std::string whyNot;
    std::unique_ptr<DeviceLink> link = DeviceLink::Bind(ExecutableFolder(), whyNot);
    if (!link) {
        std::fprintf(stderr, "keyloomctl: %s\n", whyNot.c_str());
        return kExitFailed;
    }
    // The library's threads call into the link for as long as the process lives.
    DeviceLink& bound = *link.release();
    // Asked to end, the command gives up its exchanges at once and fails; files are only ever
    // replaced whole, so none is left half written.
    std::atomic<int> caught{0};
    const TerminationSignals terminations([&bound, &caught](int signal) {
        caught = signal;
        bound.Answers().Abandon();
    });
    CtlSession ctl(bound, arguments.answers);
    const int result = command->run(ctl, expected == 2 ? arguments.words[1] : std::string());
    return caught != 0 ? kExitBySignal + caught : result;
}
