#include "cli/MacroArguments.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <string>

#include "platform/IniDocument.h"

namespace keyloom {

namespace {

MacroRecord* FindMacro(MacroList& macros, const std::function<bool(const MacroRecord&)>& named) {
    const auto found = std::find_if(macros.begin(), macros.end(), named);
    return found != macros.end() ? &*found : nullptr;
}

std::optional<unsigned> IdOfWord(std::string_view word) {
    unsigned id = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
    return error == std::errc() && end == word.data() + word.size() ? std::optional(id)
                                                                    : std::nullopt;
}

std::string MacroNames(const MacroList& macros) {
    if (macros.empty()) {
        return "the keyboard holds no macros";
    }
    std::string names = "the keyboard's macros are";
    for (const MacroRecord& macro : macros) {
        names += (&macro == &macros.front() ? " \"" : ", \"") + macro.Name() + "\" (" +
                 std::to_string(macro.Id()) + ")";
    }
    return names;
}

}  // namespace

Checked<MacroRecord*> MacroArgument(std::string_view word, MacroList& macros) {
    const auto id = IdOfWord(word);
    const std::function<bool(const MacroRecord&)> ways[] = {
        [word](const MacroRecord& macro) { return macro.Name() == word; },
        [word](const MacroRecord& macro) { return EqualsIgnoringAsciiCase(macro.Name(), word); },
        [id](const MacroRecord& macro) { return id && macro.Id() == *id; },
    };
    for (const auto& named : ways) {
        if (MacroRecord* macro = FindMacro(macros, named)) {
            return Accepted(macro);
        }
    }
    return Refused<MacroRecord*>("macro", word, MacroNames(macros));
}

}  // namespace keyloom
