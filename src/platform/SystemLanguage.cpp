#include "platform/SystemLanguage.h"

#include <cstdlib>
#include <string_view>

#include "platform/IniDocument.h"

namespace keyloom {

namespace {

constexpr uint16_t kEnglishUnitedStates = 0x0409;

struct LocaleLanguage {
    std::string_view language;
    std::string_view territory;
    uint16_t languageId;
};

// The first row of each language is its primary id, used for territories not listed here.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "AU", 0x0C09}, {"en", "CA", 0x1009},
    {"en", "NZ", 0x1409}, {"en", "IE", 0x1809}, {"en", "ZA", 0x1C09}, {"en", "JM", 0x2009},
    {"en", "BZ", 0x2809}, {"en", "TT", 0x2C09}, {"en", "ZW", 0x3009}, {"en", "PH", 0x3409},
    {"en", "IN", 0x4009}, {"en", "SG", 0x4809}, {"zh", "CN", 0x0804}, {"zh", "TW", 0x0404},
    {"zh", "HK", 0x0C04}, {"zh", "SG", 0x1004}, {"zh", "MO", 0x1404}, {"de", "DE", 0x0407},
    {"de", "CH", 0x0807}, {"de", "AT", 0x0C07}, {"de", "LU", 0x1007}, {"fr", "FR", 0x040C},
    {"fr", "BE", 0x080C}, {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C}, {"fr", "LU", 0x140C},
    {"es", "ES", 0x0C0A}, {"es", "MX", 0x080A}, {"es", "AR", 0x2C0A}, {"es", "US", 0x540A},
    {"it", "IT", 0x0410}, {"it", "CH", 0x0810}, {"ja", "JP", 0x0411}, {"ko", "KR", 0x0412},
    {"ru", "RU", 0x0419}, {"pt", "BR", 0x0416}, {"pt", "PT", 0x0816}, {"nl", "NL", 0x0413},
    {"nl", "BE", 0x0813}, {"pl", "PL", 0x0415}, {"cs", "CZ", 0x0405}, {"da", "DK", 0x0406},
    {"el", "GR", 0x0408}, {"fi", "FI", 0x040B}, {"he", "IL", 0x040D}, {"hu", "HU", 0x040E},
    {"nb", "NO", 0x0414}, {"sv", "SE", 0x041D}, {"th", "TH", 0x041E}, {"tr", "TR", 0x041F},
    {"id", "ID", 0x0421}, {"uk", "UA", 0x0422}, {"vi", "VN", 0x042A}, {"ar", "SA", 0x0401},
};

constexpr const char* kLocaleVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

uint16_t PrimaryIdOf(std::string_view language) {
    for (const auto& row : kLocaleLanguages) {
        if (EqualsIgnoringAsciiCase(row.language, language)) {
            return row.languageId;
        }
    }
    return kEnglishUnitedStates;
}

}  // namespace

uint16_t LanguageIdOfLocaleName(const std::string& localeName) {
    const std::string_view name =
        std::string_view(localeName).substr(0, localeName.find_first_of(".@"));
    const auto separator = name.find_first_of("_-");
    const std::string_view language = name.substr(0, separator);
    const std::string_view territory =
        separator == std::string_view::npos ? std::string_view() : name.substr(separator + 1);
    for (const auto& row : kLocaleLanguages) {
        if (EqualsIgnoringAsciiCase(row.language, language) &&
            EqualsIgnoringAsciiCase(row.territory, territory)) {
            return row.languageId;
        }
    }
    return PrimaryIdOf(language);
}

uint16_t SystemDefaultLanguageId() {
    for (const char* variable : kLocaleVariables) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return LanguageIdOfLocaleName(value);
        }
    }
    return kEnglishUnitedStates;
}

}  // namespace keyloom
