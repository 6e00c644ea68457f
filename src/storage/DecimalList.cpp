#include "storage/DecimalList.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace keyloom {

namespace {

constexpr char kSeparator = ',';

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsSign(std::string_view text, size_t at) {
    return at < text.size() && (text[at] == '-' || text[at] == '+');
}

// One number at `at`, which moves past it; false when none starts there.
bool ReadOne(std::string_view text, size_t& at, int& number) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == '-';
    const char* digits = text.data() + at + (IsSign(text, at) ? 1 : 0);
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(digits, text.data() + text.size(), magnitude);
    if (end == digits) {
        return false;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    const long long cut = error == std::errc() && magnitude < static_cast<unsigned long long>(limit)
                              ? static_cast<long long>(magnitude)
                              : limit;
    number = static_cast<int>(negative ? -cut : cut);
    at = static_cast<size_t>(end - text.data());
    return true;
}

}  // namespace

size_t ReadDecimalList(std::string_view text, std::span<int> out) {
    std::fill(out.begin(), out.end(), 0);
    size_t at = 0;
    size_t count = 0;
    while (count < out.size() && ReadOne(text, at, out[count])) {
        ++count;
        if (at >= text.size() || text[at] != kSeparator) {
            break;
        }
        ++at;
    }
    return count;
}

std::string FormatDecimalList(std::span<const int> numbers) {
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            text += kSeparator;
        }
        text += std::to_string(numbers[i]);
    }
    return text;
}

}  // namespace keyloom
