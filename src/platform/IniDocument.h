#pragma once

// The lines of an INI text, looked up and changed the way the Windows profile functions do it:
// "[section]" headers, "name=value" entries, names compared without regard to ASCII case, blanks
// around names (in the text and in the caller's name) and around values ignored, lines starting
// with ';' are comments. A change touches only
// the line it concerns (or adds lines), so every other line stays byte for byte.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// A section name, or nullopt for the lines before the first section header.
using IniSection = std::optional<std::string_view>;

class IniDocument {
  public:
    explicit IniDocument(std::string_view text);

    // The value of the first entry of that name in the first section of that name, without its
    // surrounding blanks (quotes kept); nothing when the section or the entry is missing.
    std::optional<std::string> FindValue(IniSection section, std::string_view name) const;

    // Replaces the value of that entry, or adds the entry after the last entry of the section,
    // or adds the section with the entry at the end of the text. Added lines end like the first
    // line of the text that has an ending ("\n" in an empty text). The caller checks the names
    // and the value with IniCanStore first.
    void SetValue(IniSection section, std::string_view name, std::string_view value);

    std::string Text() const;

  private:
    struct Line {
        std::string text;
        std::string ending;  // "\n", "\r\n" or, on the last line only, ""
    };

    struct Span {
        std::optional<size_t> header;
        size_t begin;
        size_t end;
    };

    std::optional<Span> FindSection(IniSection section) const;
    std::optional<size_t> FindEntry(const Span& span, std::string_view name) const;
    size_t InsertionPoint(const Span& span) const;
    void InsertLine(size_t index, std::string text);

    std::vector<Line> lines_;
    std::string newline_ = "\n";
};

// Whether a section (nullopt: none), an entry name and a value can be written so that they read
// back: names not empty, no line break anywhere, an entry name without '=' that does not start
// like a comment or a header.
bool IniCanStore(IniSection section, std::string_view name, std::string_view value);

// Names compared the way the profile functions compare them: ASCII letters without regard to
// case, every other byte exactly.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace keyloom
