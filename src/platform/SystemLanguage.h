#pragma once

// The system's default language as a Windows language id (what GetSystemDefaultLangID gives),
// taken from the locale of the environment.

#include <cstdint>
#include <string>

namespace keyloom {

// The language id of the first non-empty of LC_ALL, LC_MESSAGES and LANG; 0x0409 when all are
// empty or unset.
uint16_t SystemDefaultLanguageId();

// The language id of a locale name "language[_TERRITORY][.encoding][@modifier]" ('-' is accepted
// in place of '_', case does not matter). A territory the table does not list gives the
// language's primary id ("de_LI" and "de" give 0x0407); C, POSIX, an empty name or an unknown
// language give 0x0409.
uint16_t LanguageIdOfLocaleName(const std::string& localeName);

}  // namespace keyloom
