#include "cli/ArgumentValues.h"

#include <charconv>

namespace keyloom {

namespace {

constexpr int kProfileCount = 3;
constexpr size_t kColorDigits = 6;
constexpr int kHexBase = 16;

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

Checked<Color> ColorArgument(std::string_view word) {
    const std::string_view digits = word.starts_with('#') ? word.substr(1) : word;
    const auto rgb = digits.size() == kColorDigits ? WholeNumber(digits, kHexBase) : std::nullopt;
    if (!rgb) {
        return Refused<Color>("colour", word, "six hexadecimal digits RRGGBB, such as 00FF00");
    }
    return Accepted(ColorOfRgb(static_cast<uint8_t>(*rgb >> 16), static_cast<uint8_t>(*rgb >> 8),
                               static_cast<uint8_t>(*rgb)));
}

}  // namespace keyloom
