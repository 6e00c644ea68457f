#include "storage/JsonText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/TextEncoding.h"

namespace keyloom {

namespace {

constexpr char32_t kFirstHighSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kAfterLowSurrogate = 0xE000;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr unsigned kHexDigitsOfEscape = 4;

struct Escape {
    char letter;
    char character;
};
constexpr Escape kEscapes[] = {{'"', '"'},  {'\\', '\\'}, {'/', '/'},  {'b', '\b'},
                               {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'}};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < kFirstSupplementary) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsSurrogate(char32_t c) {
    return c >= kFirstHighSurrogate && c < kAfterLowSurrogate;
}

// A recursive descent over the text; the first fault stops it.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    JsonRead Read() {
        JsonValue value;
        if (ReadValue(value, 0)) {
            SkipSpace();
            if (at_ != text_.size()) {
                Fail("more after the value");
            }
        }
        return error_.empty() ? JsonRead{std::move(value), {}} : JsonRead{std::nullopt, error_};
    }

  private:
    bool Fail(const std::string& what) {
        if (error_.empty()) {
            const auto lines = std::count(text_.begin(), text_.begin() + at_, '\n');
            error_ = "line " + std::to_string(lines + 1) + ": " + what;
        }
        return false;
    }

    void SkipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    bool Take(char c) {
        SkipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool TakeWord(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    bool ReadValue(JsonValue& value, size_t depth) {
        SkipSpace();
        if (at_ == text_.size()) {
            return Fail("a value is missing");
        }
        const char c = text_[at_];
        if (c == '{' || c == '[') {
            if (depth == JSON_MAX_DEPTH) {
                return Fail("nested deeper than " + std::to_string(JSON_MAX_DEPTH));
            }
            return c == '{' ? ReadObject(value, depth + 1) : ReadArray(value, depth + 1);
        }
        if (c == '"') {
            value.kind = JsonValue::Kind::kString;
            return ReadString(value.text);
        }
        if (TakeWord("true") || TakeWord("false")) {
            value.kind = JsonValue::Kind::kBoolean;
            value.boolean = c == 't';
            return true;
        }
        if (TakeWord("null")) {
            value.kind = JsonValue::Kind::kNull;
            return true;
        }
        return ReadNumber(value);
    }

    bool ReadObject(JsonValue& value, size_t depth) {
        value.kind = JsonValue::Kind::kObject;
        ++at_;
        if (Take('}')) {
            return true;
        }
        do {
            SkipSpace();
            std::string name;
            if (at_ == text_.size() || text_[at_] != '"') {
                return Fail("a member name in quotes is missing");
            }
            if (!ReadString(name)) {
                return false;
            }
            if (value.Member(name) != nullptr) {
                return Fail("the member \"" + name + "\" is there twice");
            }
            if (!Take(':')) {
                return Fail("':' is missing after \"" + name + "\"");
            }
            value.members.emplace_back(name, JsonValue{});
            if (!ReadValue(value.members.back().second, depth)) {
                return false;
            }
        } while (Take(','));
        return Take('}') || Fail("',' or '}' is missing");
    }

    bool ReadArray(JsonValue& value, size_t depth) {
        value.kind = JsonValue::Kind::kArray;
        ++at_;
        if (Take(']')) {
            return true;
        }
        do {
            value.items.emplace_back();
            if (!ReadValue(value.items.back(), depth)) {
                return false;
            }
        } while (Take(','));
        return Take(']') || Fail("',' or ']' is missing");
    }

    bool Digits() {
        const size_t first = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            ++at_;
        }
        return at_ > first;
    }

    bool ReadNumber(JsonValue& value) {
        const size_t start = at_;
        TakeWord("-");
        const size_t integer = at_;
        if (!Digits()) {
            at_ = start;
            return Fail("not a value");
        }
        if (text_[integer] == '0' && at_ - integer > 1) {
            return Fail("a number with a leading zero");
        }
        if (TakeWord(".") && !Digits()) {
            return Fail("digits are missing after '.'");
        }
        if (TakeWord("e") || TakeWord("E")) {
            if (!TakeWord("+")) {
                TakeWord("-");
            }
            if (!Digits()) {
                return Fail("digits are missing in the exponent");
            }
        }
        value.kind = JsonValue::Kind::kNumber;
        const auto [end, error] =
            std::from_chars(text_.data() + start, text_.data() + at_, value.number);
        return error == std::errc() || Fail("a number out of range");
    }

    // Four hexadecimal digits after "\u".
    bool ReadHex(char32_t& unit) {
        unsigned value = 0;
        const std::string_view digits = text_.substr(at_, kHexDigitsOfEscape);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (digits.size() != kHexDigitsOfEscape || error != std::errc() ||
            end != digits.data() + digits.size()) {
            return Fail("\\u needs four hexadecimal digits");
        }
        at_ += kHexDigitsOfEscape;
        unit = value;
        return true;
    }

    bool ReadUnicodeEscape(std::string& out) {
        char32_t unit = 0;
        if (!ReadHex(unit)) {
            return false;
        }
        if (unit >= kFirstHighSurrogate && unit < kFirstLowSurrogate) {
            char32_t low = 0;
            if (!TakeWord("\\u") || !ReadHex(low) || low < kFirstLowSurrogate ||
                low >= kAfterLowSurrogate) {
                return Fail("a surrogate without its pair");
            }
            unit = kFirstSupplementary + ((unit - kFirstHighSurrogate) << 10) +
                   (low - kFirstLowSurrogate);
        } else if (IsSurrogate(unit)) {
            return Fail("a surrogate without its pair");
        }
        AppendUtf8(out, unit);
        return true;
    }

    bool ReadEscape(std::string& out) {
        if (at_ == text_.size()) {
            return Fail("the text ends inside a string");
        }
        const char letter = text_[at_++];
        if (letter == 'u') {
            return ReadUnicodeEscape(out);
        }
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [letter](const Escape& e) { return e.letter == letter; });
        if (escape == std::end(kEscapes)) {
            return Fail(std::string("unknown escape \\") + letter);
        }
        out += escape->character;
        return true;
    }

    bool ReadString(std::string& out) {
        ++at_;
        while (at_ < text_.size() && text_[at_] != '"') {
            const unsigned char c = static_cast<unsigned char>(text_[at_]);
            if (c < 0x20) {
                return Fail("a control character inside a string");
            }
            if (c == '\\') {
                ++at_;
                if (!ReadEscape(out)) {
                    return false;
                }
                continue;
            }
            const Utf8Char character = DecodeUtf8Char(text_, at_);
            if (!character.valid || IsSurrogate(character.codePoint)) {
                return Fail("a string that is not UTF-8");
            }
            out.append(text_.substr(at_, character.length));
            at_ += character.length;
        }
        return TakeWord("\"") || Fail("the text ends inside a string");
    }

    std::string_view text_;
    size_t at_ = 0;
    std::string error_;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view name) const {
    const auto found = std::find_if(members.begin(), members.end(),
                                    [name](const auto& member) { return member.first == name; });
    return found != members.end() ? &found->second : nullptr;
}

JsonRead ReadJson(std::string_view text) {
    return Reader(text).Read();
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [c](const Escape& e) { return e.character == c; });
        if (escape != std::end(kEscapes) && c != '/') {
            quoted += std::string("\\") + escape->letter;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char unit[8];
            std::snprintf(unit, sizeof unit, "\\u%04x", static_cast<unsigned>(c));
            quoted += unit;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace keyloom
