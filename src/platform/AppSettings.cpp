#include "platform/AppSettings.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/PrivateProfile.h"
#include "platform/UserFolders.h"

namespace keyloom {

namespace {

constexpr size_t kUnlimited = std::numeric_limits<size_t>::max();

int LeadingDecimal(std::string_view text) {
    size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos) {
        return 0;
    }
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') {
        ++at;
    }
    uint32_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        magnitude = magnitude * 10u + static_cast<uint32_t>(text[at] - '0');
    }
    return static_cast<int>(negative ? 0u - magnitude : magnitude);
}

}  // namespace

std::string AppSettingsPath(const std::string& applicationTitle) {
    return ConfigHome() + "/Keyloom_Orvane/" + applicationTitle + ".ini";
}

std::string GetAppSetting(const std::string& applicationTitle, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
    return ReadProfileString(section, key, defaultValue, AppSettingsPath(applicationTitle),
                             kUnlimited);
}

bool WriteAppSetting(const std::string& applicationTitle, const std::string& section,
                     const std::string& key, const std::string& value) {
    return WritePrivateProfileString(section, key, value, AppSettingsPath(applicationTitle));
}

int GetAppSettingInt(const std::string& applicationTitle, const std::string& section,
                     const std::string& key, int defaultValue) {
    const std::string value = GetAppSetting(applicationTitle, section, key, "");
    return value.empty() ? defaultValue : LeadingDecimal(value);
}

}  // namespace keyloom
