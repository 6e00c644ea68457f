#include "cli/CtlHelp.h"

#include <algorithm>
#include <string_view>

#include "cli/CtlCommands.h"

namespace keyloom {

namespace {

constexpr size_t kHelpColumn = 22;  // where the explanations start
constexpr size_t kLineWidth = 80;

// The words of the text in lines that end before the line width, each after the indent.
std::string Wrapped(std::string_view text, size_t indent) {
    std::string lines;
    size_t used = kLineWidth;  // starts a line at the first word
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (used + 1 + word.size() >= kLineWidth) {
            lines += (lines.empty() ? "" : "\n") + std::string(indent, ' ');
            used = indent;
        } else {
            lines += ' ';
            ++used;
        }
        lines += word;
        used += word.size();
        start = end + 1;
    }
    return lines + "\n";
}

// The left part, then the explanation from the column on; the left part has a line of its own
// when it reaches the column.
std::string HelpLine(const std::string& left, std::string_view explanation) {
    const std::string explained = Wrapped(explanation, kHelpColumn);
    if (left.size() + 1 >= kHelpColumn) {
        return left + "\n" + explained;
    }
    return left + explained.substr(left.size());
}

std::string Synopsis(const CtlCommand& command) {
    std::string synopsis = command.name;
    for (const CtlOption& option : command.options) {
        synopsis += std::string(" [") + option.name;
        if (option.value[0] != '\0') {
            synopsis += std::string(" ") + option.value;
        }
        synopsis += "]";
    }
    if (command.operands[0] != '\0') {
        synopsis += std::string(" ") + command.operands;
    }
    return synopsis;
}

}  // namespace

std::string UsageText() {
    std::string text =
        "Usage: keyloomctl [--simulate] [--yes | --no] COMMAND [ARGUMENTS]\n"
        "       keyloomctl --help [COMMAND]\n"
        "\n"
        "Options:\n"
        "  --simulate          use the built-in virtual keyboard instead of a real one\n"
        "  --yes, --no         answer every question with Yes or No (default: the question's\n"
        "                      default button)\n"
        "  --help [COMMAND]    show this text, or the arguments and options of a command\n"
        "\n"
        "Commands:\n";
    for (const CtlCommand& command : CtlCommands()) {
        std::string left = std::string("  ") + command.name;
        if (command.operands[0] != '\0') {
            left += std::string(" ") + command.operands;
        }
        text += HelpLine(left, command.summary);
    }
    text +=
        "\nMessages the tool would show in a message box are printed to standard error.\n"
        "Exit code 0 on success, 1 when the command failed, 2 for wrong usage (nothing is sent\n"
        "to the keyboard then), 3 while Keyloom itself is running, 4 when a keyboard is plugged\n"
        "in that this user may not open (the message says how to get access), 128 + the signal\n"
        "when interrupted (the exchange in flight is abandoned and no file is left half\n"
        "written).\n";
    return text;
}

std::string CommandHelp(const CtlCommand& command) {
    std::string text = "Usage: keyloomctl " + Synopsis(command) + "\n\n" + command.summary + "\n";
    if (command.details[0] != '\0') {
        text += std::string("\n") + command.details;
    }
    if (!command.options.empty()) {
        text += "\nOptions:\n";
        for (const CtlOption& option : command.options) {
            std::string left = std::string("  ") + option.name;
            if (option.value[0] != '\0') {
                left += std::string(" ") + option.value;
            }
            text += HelpLine(left, option.help);
        }
    }
    return text;
}

std::string CommandUsage(const CtlCommand& command) {
    return "Usage: keyloomctl " + Synopsis(command) + "\nSee: keyloomctl --help " + command.name +
           "\n";
}

}  // namespace keyloom
