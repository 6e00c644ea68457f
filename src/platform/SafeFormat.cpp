#include "platform/SafeFormat.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "platform/TextEncoding.h"

namespace keyloom {

namespace {

constexpr int kLimit = 260;
constexpr std::string_view kIntegerConversions = "diuxX";
constexpr std::string_view kStringConversions = "sS";
constexpr std::string_view kLengthModifiers = "hl";
constexpr size_t kMaxLengthModifiers = 2;

// The flags in the order they are handed on, each with the conversions it means something for
// (others would be undefined or ignored by printf, so they are dropped).
struct Flag {
    char flag;
    std::string_view conversions;
};

constexpr Flag kFlags[] = {
    {'-', "diuxXsS"}, {'+', "di"}, {' ', "di"}, {'#', "xX"}, {'0', "diuxX"},
};

struct Directive {
    size_t length = 0;  // characters from '%' on that belong to the directive
    std::string flags;  // as written, repeats included
    int width = -1;     // -1: none
    int precision = -1;
    char conversion = '\0';  // '\0': the text ended first
};

bool IsFlag(char c) {
    for (const auto& flag : kFlags) {
        if (flag.flag == c) {
            return true;
        }
    }
    return false;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads digits from `at`; numbers beyond the limit stay at the limit, so they cannot overflow.
int ReadNumber(std::string_view format, size_t& at) {
    int number = 0;
    for (; at < format.size() && IsDigit(format[at]); ++at) {
        number = std::min(kLimit, number * 10 + (format[at] - '0'));
    }
    return number;
}

Directive ParseDirective(std::string_view format, size_t percent) {
    Directive directive;
    size_t at = percent + 1;
    for (; at < format.size() && IsFlag(format[at]); ++at) {
        directive.flags += format[at];
    }
    if (at < format.size() && IsDigit(format[at])) {
        directive.width = ReadNumber(format, at);
    }
    if (at < format.size() && format[at] == '.') {
        ++at;
        directive.precision = ReadNumber(format, at);
    }
    for (size_t n = 0; n < kMaxLengthModifiers && at < format.size() &&
                       kLengthModifiers.find(format[at]) != std::string_view::npos;
         ++n) {
        ++at;
    }
    if (at < format.size()) {
        directive.conversion = format[at++];
    }
    directive.length = at - percent;
    return directive;
}

bool Fills(const Directive& directive, std::string_view conversions) {
    return directive.conversion != '\0' &&
           conversions.find(directive.conversion) != std::string_view::npos &&
           directive.width < kLimit && directive.precision < kLimit;
}

bool HasFlag(const Directive& directive, char flag) {
    return directive.flags.find(flag) != std::string::npos;
}

// A printf format of our own making: only known flags, bounded numbers, a 64-bit argument.
std::string IntegerFormatOf(const Directive& directive) {
    std::string format = "%";
    for (const auto& flag : kFlags) {
        if (HasFlag(directive, flag.flag) &&
            flag.conversions.find(directive.conversion) != std::string_view::npos) {
            format += flag.flag;
        }
    }
    if (directive.width >= 0) {
        format += std::to_string(directive.width);
    }
    if (directive.precision >= 0) {
        format += "." + std::to_string(directive.precision);
    }
    return format + "ll" + directive.conversion;
}

std::string RenderInteger(const Directive& directive, long long value) {
    // Width and precision stay below kLimit and a 64-bit number has at most 20 digits.
    char text[2 * kLimit + 32];
    const std::string format = IntegerFormatOf(directive);
    const bool isSigned = directive.conversion == 'd' || directive.conversion == 'i';
    const int written = isSigned ? std::snprintf(text, sizeof text, format.c_str(), value)
                                 : std::snprintf(text, sizeof text, format.c_str(),
                                                 static_cast<unsigned long long>(value));
    return written < 0 ? std::string() : std::string(text);
}

std::string RenderString(const Directive& directive, std::string_view value) {
    size_t characters = 0;
    size_t at = 0;
    const auto cap =
        directive.precision < 0 ? value.size() : static_cast<size_t>(directive.precision);
    for (; at < value.size() && characters < cap; ++characters) {
        at += DecodeUtf8Char(value, at).length;
    }
    const std::string shown(value.substr(0, at));
    const size_t width = directive.width < 0 ? 0 : static_cast<size_t>(directive.width);
    const std::string padding(width > characters ? width - characters : 0, ' ');
    return HasFlag(directive, '-') ? shown + padding : padding + shown;
}

template <typename Render>
std::string FillFirst(std::string_view format, std::string_view conversions, Render render) {
    std::string out;
    bool filled = false;
    size_t at = 0;
    while (at < format.size()) {
        const size_t percent = format.find('%', at);
        out.append(format.substr(at, percent - at));
        if (percent == std::string_view::npos) {
            break;
        }
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            out += '%';
            at = percent + 2;
            continue;
        }
        const Directive directive = ParseDirective(format, percent);
        if (!filled && Fills(directive, conversions)) {
            out += render(directive);
            filled = true;
        } else {
            out.append(format.substr(percent, directive.length));
        }
        at = percent + directive.length;
    }
    return out;
}

}  // namespace

std::string FormatWithInt(const std::string& format, long long value) {
    return FillFirst(format, kIntegerConversions, [value](const Directive& directive) {
        return RenderInteger(directive, value);
    });
}

std::string FormatWithString(const std::string& format, const std::string& value) {
    return FillFirst(format, kStringConversions, [&value](const Directive& directive) {
        return RenderString(directive, value);
    });
}

}  // namespace keyloom
