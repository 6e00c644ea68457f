#include "storage/UserDataFolder.h"

#include <filesystem>
#include <utility>

#include "model/LightingRecord.h"
#include "platform/AtomicFile.h"
#include "platform/ExecutablePath.h"
#include "platform/UserFolders.h"

namespace keyloom {

namespace {

constexpr char kFolderName[] = "VQ52R_EN";
constexpr char kSettingsName[] = "wskb.ini";
constexpr char kLightingPrefix[] = "UserDengColor_";
constexpr char kLightingExtension[] = ".userd";
constexpr char kSkinFolder[] = "Skins/";
constexpr int kShippedNumber = 3;

std::string LightingFileName(int number) {
    return kLightingPrefix + std::to_string(number) + kLightingExtension;
}

// A source that cannot be read gives an empty copy.
bool CopyFileBytes(const std::string& from, const std::string& to) {
    const auto bytes = ReadWholeFile(from);
    const bool written = WriteFileAtomically(to, bytes.value_or(std::vector<uint8_t>{}));
    return bytes.has_value() && written;
}

}  // namespace

UserDataFolder::UserDataFolder(std::string folder, std::string shippedLightingPath)
    : folder_(std::move(folder)), shipped_(std::move(shippedLightingPath)) {
    if (!folder_.empty() && folder_.back() != '/') {
        folder_ += '/';
    }
}

UserDataFolder UserDataFolder::OfThisUser() {
    return UserDataFolder(DataHome() + "/" + kFolderName,
                          ExecutableFolder() + kSkinFolder + LightingFileName(kShippedNumber));
}

std::string UserDataFolder::LightingFilePath(int profile) const {
    return folder_ + LightingFileName(profile);
}

UserSettingsFile UserDataFolder::SettingsFile() const {
    return UserSettingsFile(folder_ + kSettingsName);
}

UserDataFolder::FirstRun UserDataFolder::PrepareFirstRun() const {
    std::error_code error;
    if (std::filesystem::exists(folder_, error)) {
        return FIRST_RUN_FOLDER_EXISTED;
    }
    if (!EnsureFolder(folder_)) {
        return FIRST_RUN_FOLDER_NOT_CREATED;
    }
    for (int profile = 0; profile < LIGHTING_PROFILE_COUNT; ++profile) {
        // Without the shipped file the copies stay empty and read as empty presets.
        (void)ResetUserLighting(profile);
    }
    return FIRST_RUN_PREPARED;
}

bool UserDataFolder::ResetUserLighting(int profile) const {
    if (profile < 0 || profile >= LIGHTING_PROFILE_COUNT) {
        return 0;
    }
    return CopyFileBytes(shipped_, LightingFilePath(profile));
}

}  // namespace keyloom
