#pragma once

// Values read from the words of a command line. A refused word gets an error that names it and
// says what would have been accepted, so that a script's author sees the fix at once.

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/LightingRecord.h"
#include "platform/IniDocument.h"

namespace keyloom {

template <typename T>
struct Checked {
    std::optional<T> value;
    std::string error;  // empty when the value is there

    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
};

template <typename T>
Checked<T> Accepted(T value) {
    return {std::move(value), {}};
}

// bad profile "4": a number from 1 to 3
std::string BadArgument(std::string_view what, std::string_view word, std::string_view accepted);

template <typename T>
Checked<T> Refused(std::string_view what, std::string_view word, std::string_view accepted) {
    return {std::nullopt, BadArgument(what, word, accepted)};
}

// A decimal number from `lowest` to `highest`.
Checked<int> NumberArgument(std::string_view what, std::string_view word, int lowest, int highest);

// A profile as the keyboard shows it, 1 to 3: its index 0 to 2.
Checked<int> ProfileArgument(std::string_view word);

// The words a table holds in one of its fields, in the table's order.
template <typename Table, typename Field>
std::vector<std::string> WordsOf(const Table& table, Field field) {
    std::vector<std::string> words;
    for (const auto& row : table) {
        words.emplace_back(row.*field);
    }
    return words;
}

// "a, b or c"
template <typename Words>
std::string ChoiceList(const Words& words) {
    std::string list;
    size_t i = 0;
    for (const auto& word : words) {
        if (i > 0) {
            list += i + 1 == std::size(words) ? " or " : ", ";
        }
        list += word;
        ++i;
    }
    return list;
}

// The position of the choice the word names, letter case aside.
template <typename Words>
Checked<size_t> ChoiceArgument(std::string_view what, std::string_view word, const Words& choices) {
    size_t position = 0;
    for (const auto& choice : choices) {
        if (EqualsIgnoringAsciiCase(word, choice)) {
            return Accepted(position);
        }
        ++position;
    }
    return Refused<size_t>(what, word, ChoiceList(choices));
}

// Six hexadecimal digits, red, green, blue, with or without a leading '#'.
Checked<Color> ColorArgument(std::string_view word);

}  // namespace keyloom
