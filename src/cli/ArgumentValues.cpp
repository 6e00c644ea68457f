#include "cli/ArgumentValues.h"

#include <charconv>

#include "platform/IniDocument.h"

namespace keyloom {

namespace {

constexpr int kProfileCount = 3;

// The whole word as a number in the base; nothing for anything else, signs included.
std::optional<unsigned> WholeNumber(std::string_view word, int base) {
    unsigned value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value, base);
    if (word.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string BadArgument(std::string_view what, std::string_view word, std::string_view accepted) {
    return "bad " + std::string(what) + " \"" + std::string(word) + "\": " + std::string(accepted);
}

Checked<int> NumberArgument(std::string_view what, std::string_view word, int lowest, int highest) {
    const auto number = WholeNumber(word, 10);
    if (!number || *number < static_cast<unsigned>(lowest) ||
        *number > static_cast<unsigned>(highest)) {
        return Refused<int>(
            what, word,
            "a number from " + std::to_string(lowest) + " to " + std::to_string(highest));
    }
    return Accepted(static_cast<int>(*number));
}

Checked<int> ProfileArgument(std::string_view word) {
    const Checked<int> shown = NumberArgument("profile", word, 1, kProfileCount);
    return shown ? Accepted(*shown - 1) : shown;
}

Checked<size_t> ChoiceArgument(std::string_view what, std::string_view word,
                               std::span<const std::string_view> choices) {
    for (size_t i = 0; i < choices.size(); ++i) {
        if (EqualsIgnoringAsciiCase(word, choices[i])) {
            return Accepted(i);
        }
    }
    return Refused<size_t>(what, word, ChoiceList(choices));
}

std::string ChoiceList(std::span<const std::string_view> choices) {
    std::string list;
    for (size_t i = 0; i < choices.size(); ++i) {
        if (i > 0) {
            list += i + 1 == choices.size() ? " or " : ", ";
        }
        list += choices[i];
    }
    return list;
}

}  // namespace keyloom
