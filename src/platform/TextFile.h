#pragma once

// Whole text files in the encodings that INI files written on Windows come in. The text is
// always UTF-8 in memory; the file keeps the encoding it was found in when written back.

#include <functional>
#include <optional>
#include <string>

namespace keyloom {

enum class TextFileEncoding {
    kUtf8,            // no byte order mark; also any file that is not one of the two below
    kUtf8WithBom,     // EF BB BF
    kUtf16LeWithBom,  // FF FE
};

struct TextFileContent {
    std::string text;
    TextFileEncoding encoding = TextFileEncoding::kUtf8;
};

// The file's text without its byte order mark; nothing when it cannot be read.
std::optional<TextFileContent> ReadTextFile(const std::string& path);

// Writes the text in the given encoding (with its byte order mark) through WriteFileAtomically,
// creating the folder first when it is missing.
[[nodiscard]] bool WriteTextFile(const std::string& path, const TextFileContent& content);

// True only when nothing at all exists at the path (not a file, folder or link).
bool FileIsMissing(const std::string& path);

// Reads the file (a missing one as empty UTF-8 text), lets `change` edit the text and writes it
// back in the file's encoding. Edits of this process are serialised so that two threads changing
// different values of one file do not lose either change. False when the file exists but cannot
// be read, when `change` returns false, or when the write fails.
[[nodiscard]] bool EditTextFile(const std::string& path,
                                const std::function<bool(std::string& text)>& change);

}  // namespace keyloom
