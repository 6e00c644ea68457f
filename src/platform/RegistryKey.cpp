#include "platform/RegistryKey.h"

#include <cstdio>
#include <string_view>

#include "platform/IniDocument.h"
#include "platform/TextFile.h"
#include "platform/UserFolders.h"

namespace keyloom {

namespace {

constexpr std::string_view kDwordPrefix = "dword:";
constexpr size_t kDwordDigits = 8;

// Escapes of string values: the character in the file after the backslash, and its meaning.
struct Escape {
    char written;
    char meaning;
};

constexpr Escape kEscapes[] = {
    {'"', '"'}, {'\\', '\\'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
};

const Escape* EscapeWritten(char written) {
    for (const auto& escape : kEscapes) {
        if (escape.written == written) {
            return &escape;
        }
    }
    return nullptr;
}

const Escape* EscapeMeaning(char meaning) {
    for (const auto& escape : kEscapes) {
        if (escape.meaning == meaning) {
            return &escape;
        }
    }
    return nullptr;
}

std::optional<uint8_t> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<uint8_t>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<uint8_t>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<uint8_t>(c - 'A' + 10);
    }
    return std::nullopt;
}

std::optional<uint32_t> DecodeDword(std::string_view raw) {
    if (raw.size() <= kDwordPrefix.size() ||
        !EqualsIgnoringAsciiCase(raw.substr(0, kDwordPrefix.size()), kDwordPrefix)) {
        return std::nullopt;
    }
    const std::string_view digits = raw.substr(kDwordPrefix.size());
    if (digits.size() > kDwordDigits) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (const char c : digits) {
        const auto digit = HexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        value = (value << 4) | *digit;
    }
    return value;
}

std::string EncodeDword(uint32_t value) {
    char digits[kDwordDigits + 1];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value));
    return std::string(kDwordPrefix) + digits;
}

std::optional<std::string> DecodeString(std::string_view raw) {
    if (raw.size() < 2 || raw.front() != '"' || raw.back() != '"') {
        return std::nullopt;
    }
    std::string text;
    for (size_t i = 1; i + 1 < raw.size(); ++i) {
        if (raw[i] == '"') {
            return std::nullopt;
        }
        if (raw[i] != '\\') {
            text += raw[i];
            continue;
        }
        const Escape* escape = i + 2 < raw.size() ? EscapeWritten(raw[++i]) : nullptr;
        if (escape == nullptr) {
            return std::nullopt;
        }
        text += escape->meaning;
    }
    return text;
}

std::string EncodeString(std::string_view text) {
    std::string raw = "\"";
    for (const char c : text) {
        if (const Escape* escape = EscapeMeaning(c)) {
            raw += '\\';
            raw += escape->written;
        } else {
            raw += c;
        }
    }
    return raw + "\"";
}

}  // namespace

std::string RegistryKey::DefaultPath() {
    return ConfigHome() + "/VQ52R_EN/registry.ini";
}

RegistryKey RegistryKey::OpenOrCreate(const std::string& path) {
    const bool open = ReadTextFile(path).has_value() ||
                      (FileIsMissing(path) && WriteTextFile(path, TextFileContent{}));
    return RegistryKey(path, open);
}

std::optional<std::string> RegistryKey::ReadRaw(const std::string& name) const {
    const auto file = open_ ? ReadTextFile(path_) : std::nullopt;
    if (!file) {
        return std::nullopt;
    }
    return IniDocument(file->text).FindValue(std::nullopt, name);
}

bool RegistryKey::WriteRaw(const std::string& name, const std::string& raw) const {
    if (!open_ || !IniCanStore(std::nullopt, name, raw)) {
        return false;
    }
    return EditTextFile(path_, [&](std::string& text) {
        IniDocument document(text);
        document.SetValue(std::nullopt, name, raw);
        text = document.Text();
        return true;
    });
}

std::optional<uint32_t> RegistryKey::ReadDword(const std::string& name) const {
    const auto raw = ReadRaw(name);
    return raw ? DecodeDword(*raw) : std::nullopt;
}

bool RegistryKey::WriteDword(const std::string& name, uint32_t value) const {
    return WriteRaw(name, EncodeDword(value));
}

std::optional<std::string> RegistryKey::ReadString(const std::string& name) const {
    const auto raw = ReadRaw(name);
    return raw ? DecodeString(*raw) : std::nullopt;
}

bool RegistryKey::WriteString(const std::string& name, const std::string& value) const {
    return WriteRaw(name, EncodeString(value));
}

}  // namespace keyloom
