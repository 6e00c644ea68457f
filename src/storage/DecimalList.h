#pragma once

// Numbers in the values of the user files, read the way the formats "%d" and "%d,%d,..." read
// them: each number may have leading blanks and a sign, the numbers are separated by single
// commas, and reading stops at the first character that does not fit.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace keyloom {

// Fills `out` from the start of the text; numbers not read are 0, numbers beyond the range of
// int are cut to it. Returns how many numbers were read.
size_t ReadDecimalList(std::string_view text, std::span<int> out);

// The numbers in decimal, joined by commas.
std::string FormatDecimalList(std::span<const int> numbers);

}  // namespace keyloom
