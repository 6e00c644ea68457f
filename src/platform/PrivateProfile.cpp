#include "platform/PrivateProfile.h"

#include <optional>
#include <string_view>

#include "platform/IniDocument.h"
#include "platform/TextEncoding.h"
#include "platform/TextFile.h"

namespace keyloom {

namespace {

std::string_view WithoutQuotes(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::optional<std::string> ValueInFile(const std::string& section, const std::string& key,
                                       const std::string& path) {
    const auto file = ReadTextFile(path);
    if (!file) {
        return std::nullopt;
    }
    return IniDocument(file->text).FindValue(section, key);
}

size_t CopyCut(std::string_view text, size_t bufferChars, std::string& out) {
    size_t units = 0;
    size_t at = 0;
    while (bufferChars > 0 && at < text.size()) {
        const Utf8Char character = DecodeUtf8Char(text, at);
        if (units + Utf16Units(character) > bufferChars - 1) {
            break;
        }
        units += Utf16Units(character);
        at += character.length;
    }
    out.assign(text.substr(0, at));
    return units;
}

}  // namespace

size_t GetPrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& defaultValue, std::string& out,
                               size_t bufferChars, const std::string& path) {
    const auto value = ValueInFile(section, key, path);
    return CopyCut(value ? WithoutQuotes(*value) : WithoutTrailingSpaces(defaultValue), bufferChars,
                   out);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
    if (!IniCanStore(section, key, value)) {
        return false;
    }
    return EditTextFile(path, [&](std::string& text) {
        IniDocument document(text);
        document.SetValue(section, key, value);
        text = document.Text();
        return true;
    });
}

std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& path,
                              size_t bufferChars) {
    std::string out;
    GetPrivateProfileString(section, key, defaultValue, out, bufferChars, path);
    return out;
}

}  // namespace keyloom
