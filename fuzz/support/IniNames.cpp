#include "support/IniNames.h"

#include "platform/IniDocument.h"
#include "platform/TextEncoding.h"
#include "platform/TextFile.h"

namespace keyloom::fuzz {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    return first == text.npos ? std::string_view()
                              : text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::vector<IniName> IniNamesOf(std::string_view text, size_t limit) {
    std::vector<IniName> names;
    std::optional<std::string> section;
    size_t at = 0;
    while (at < text.size() && names.size() < limit) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        const size_t close = line.rfind(']');
        if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
            section = std::string(line.substr(1, close - 1));
        } else if (const size_t equals = line.find('='); equals != std::string_view::npos) {
            names.push_back({section, std::string(line.substr(0, equals))});
        }
    }
    return names;
}

std::string IniTextOf(const std::string& path) {
    const auto file = ReadTextFile(path);
    return file ? file->text : std::string();
}

bool SameIniName(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(TrimBlanks(a), TrimBlanks(b));
}

bool IsValidUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const Utf8Char character = DecodeUtf8Char(text, at);
        const bool surrogate = character.codePoint >= 0xD800 && character.codePoint <= 0xDFFF;
        if (!character.valid || surrogate) {
            return false;
        }
        at += character.length;
    }
    return true;
}

}  // namespace keyloom::fuzz
