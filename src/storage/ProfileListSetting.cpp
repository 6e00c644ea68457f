#include "storage/ProfileListSetting.h"

#include "platform/AppSettings.h"
#include "platform/SafeFormat.h"

namespace keyloom {

namespace {

constexpr const char* kSection = "PROFILES";
constexpr const char* kRowKeyFormat = "PROFILE%02d";

std::string RowKey(size_t row) {
    return FormatWithInt(kRowKeyFormat, static_cast<long long>(row));
}

}  // namespace

bool WriteProfileListSetting(const std::string& applicationTitle,
                             const std::vector<std::string>& paths) {
    bool written = true;
    for (size_t i = 0; i < paths.size(); ++i) {
        written = WriteAppSetting(applicationTitle, kSection, RowKey(i + 1), paths[i]) && written;
    }
    return WriteAppSetting(applicationTitle, kSection, RowKey(0), std::to_string(paths.size())) &&
           written;
}

}  // namespace keyloom
