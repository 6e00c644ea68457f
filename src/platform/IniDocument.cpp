#include "platform/IniDocument.h"

#include <algorithm>

namespace keyloom {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

enum class LineKind { kOther, kSection, kEntry };

struct LineShape {
    LineKind kind = LineKind::kOther;
    std::string_view name;
    size_t valueBegin = 0;
    size_t valueEnd = 0;
};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A header runs from '[' to the last ']' of the line; the name between them is trimmed.
LineShape ShapeOfHeader(std::string_view line, size_t open) {
    const auto close = line.rfind(']');
    if (close == std::string_view::npos || close < open) {
        return {};
    }
    return {LineKind::kSection, Trim(line.substr(open + 1, close - open - 1))};
}

LineShape ShapeOfLine(std::string_view line) {
    const auto start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos || line[start] == ';') {
        return {};
    }
    if (line[start] == '[') {
        return ShapeOfHeader(line, start);
    }
    const auto equals = line.find('=', start);
    if (equals == std::string_view::npos) {
        return {};
    }
    const auto valueBegin = std::min(line.find_first_not_of(kBlanks, equals + 1), line.size());
    const auto last = line.find_last_not_of(kBlanks);
    const auto valueEnd = std::max(valueBegin, last + 1);
    return {LineKind::kEntry, Trim(line.substr(start, equals - start)), valueBegin, valueEnd};
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

bool SameName(std::string_view inText, std::string_view asked) {
    return EqualsIgnoringAsciiCase(inText, Trim(asked));
}

}  // namespace

bool IniCanStore(IniSection section, std::string_view name, std::string_view value) {
    const std::string_view trimmed = Trim(name);
    const bool sectionFits = !section || (!Trim(*section).empty() && !HasLineBreak(*section));
    return sectionFits && !trimmed.empty() && !HasLineBreak(name) && !HasLineBreak(value) &&
           trimmed.find('=') == trimmed.npos && trimmed.front() != ';' && trimmed.front() != '[';
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

IniDocument::IniDocument(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        const auto newline = text.find('\n', at);
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(text.substr(at)), ""});
            break;
        }
        const bool crlf = newline > at && text[newline - 1] == '\r';
        const size_t textEnd = crlf ? newline - 1 : newline;
        lines_.push_back({std::string(text.substr(at, textEnd - at)), crlf ? "\r\n" : "\n"});
        at = newline + 1;
    }
    const auto withEnding = std::find_if(lines_.begin(), lines_.end(),
                                         [](const Line& line) { return !line.ending.empty(); });
    if (withEnding != lines_.end()) {
        newline_ = withEnding->ending;
    }
}

std::optional<IniDocument::Span> IniDocument::FindSection(IniSection section) const {
    std::optional<size_t> header;
    bool inside = !section.has_value();
    for (size_t i = 0; i < lines_.size(); ++i) {
        const LineShape shape = ShapeOfLine(lines_[i].text);
        if (shape.kind != LineKind::kSection) {
            continue;
        }
        if (inside) {
            return Span{header, header ? *header + 1 : 0, i};
        }
        if (SameName(shape.name, *section)) {
            header = i;
            inside = true;
        }
    }
    if (!inside) {
        return std::nullopt;
    }
    return Span{header, header ? *header + 1 : 0, lines_.size()};
}

std::optional<size_t> IniDocument::FindEntry(const Span& span, std::string_view name) const {
    for (size_t i = span.begin; i < span.end; ++i) {
        const LineShape shape = ShapeOfLine(lines_[i].text);
        if (shape.kind == LineKind::kEntry && SameName(shape.name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

// After the last entry, else right after the header, else (no header: the lines before the
// first section) at the end of the span.
size_t IniDocument::InsertionPoint(const Span& span) const {
    for (size_t i = span.end; i > span.begin; --i) {
        if (ShapeOfLine(lines_[i - 1].text).kind == LineKind::kEntry) {
            return i;
        }
    }
    return span.header ? span.begin : span.end;
}

void IniDocument::InsertLine(size_t index, std::string text) {
    if (index > 0 && lines_[index - 1].ending.empty()) {
        lines_[index - 1].ending = newline_;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                  Line{std::move(text), newline_});
}

std::optional<std::string> IniDocument::FindValue(IniSection section, std::string_view name) const {
    const auto span = FindSection(section);
    const auto entry = span ? FindEntry(*span, name) : std::nullopt;
    if (!entry) {
        return std::nullopt;
    }
    const std::string& text = lines_[*entry].text;
    const LineShape shape = ShapeOfLine(text);
    return text.substr(shape.valueBegin, shape.valueEnd - shape.valueBegin);
}

void IniDocument::SetValue(IniSection section, std::string_view name, std::string_view value) {
    const std::string entryText = std::string(name) + "=" + std::string(value);
    const auto span = FindSection(section);
    if (!span) {
        InsertLine(lines_.size(), "[" + std::string(*section) + "]");
        InsertLine(lines_.size(), entryText);
        return;
    }
    if (const auto entry = FindEntry(*span, name)) {
        std::string& text = lines_[*entry].text;
        text = text.substr(0, ShapeOfLine(text).valueBegin) + std::string(value);
        return;
    }
    InsertLine(InsertionPoint(*span), entryText);
}

std::string IniDocument::Text() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line.text;
        text += line.ending;
    }
    return text;
}

}  // namespace keyloom
