#include "storage/MacroRecordDelaySetting.h"

#include "platform/AppSettings.h"

namespace keyloom {

namespace {

constexpr const char* kSection = "PROFILES";

}  // namespace

int ReadRecordDelaySetting(const std::string& applicationTitle, const std::string& valueName) {
    return GetAppSettingInt(applicationTitle, kSection, valueName, 0);
}

bool WriteRecordDelaySetting(const std::string& applicationTitle, const std::string& valueName,
                             int value) {
    return WriteAppSetting(applicationTitle, kSection, valueName, value == 1 ? "1" : "0");
}

}  // namespace keyloom
