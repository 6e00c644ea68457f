#include "storage/UserSettingsFile.h"

#include <array>

#include "platform/PrivateProfile.h"
#include "storage/DecimalList.h"

namespace keyloom {

namespace {

constexpr char kSection[] = "KEYCOLOR";
constexpr char kLightingViewKey[] = "DengCheck";
constexpr char kOff[] = "0";
constexpr char kOn[] = "1";

}  // namespace

bool UserSettingsFile::ReadLightingViewFlag() const {
    std::array<int, 1> flag{};
    ReadDecimalList(ReadProfileString(kSection, kLightingViewKey, kOff, path_), flag);
    return flag[0] == 1;
}

bool UserSettingsFile::WriteLightingViewFlag(bool on) const {
    return WritePrivateProfileString(kSection, kLightingViewKey, on ? kOn : kOff, path_);
}

}  // namespace keyloom
