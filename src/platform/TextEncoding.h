#pragma once

// Conversions between the UTF-8 text the tool works with and the UTF-16LE text of files written
// by Windows programs, and the character counting that Windows buffers are measured in.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// One character read from UTF-8. A byte that starts no well-formed sequence is a character of its
// own with valid = false, so damaged text can still be walked byte by byte.
struct Utf8Char {
    char32_t codePoint;
    size_t length;
    bool valid;
};

// The character that starts at byte `at` (at < text.size()). Three-byte encodings of surrogates
// are accepted, so text converted from UTF-16 with unpaired surrogates reads back unchanged.
Utf8Char DecodeUtf8Char(std::string_view text, size_t at);

// UTF-16 code units of a character: what a Windows buffer size counts. A damaged byte counts 1.
size_t Utf16Units(const Utf8Char& character);

// UTF-16LE to UTF-8. An unpaired surrogate becomes its own three-byte sequence (so the text
// converts back to the same bytes); an odd last byte becomes U+FFFD.
std::string Utf16LeToUtf8(const uint8_t* bytes, size_t size);

// Appends the UTF-16LE form of UTF-8 text; damaged bytes become U+FFFD.
void AppendUtf16Le(std::vector<uint8_t>& out, std::string_view text);

}  // namespace keyloom
