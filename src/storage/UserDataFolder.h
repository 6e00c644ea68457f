#pragma once

// The per-user folder of the lighting files (the three user lighting files and the settings
// file) and the default lighting file shipped beside the tool, which seeds them.

#include <string>

#include "storage/UserLightingFile.h"
#include "storage/UserSettingsFile.h"

namespace keyloom {

class UserDataFolder {
  public:
    // Both paths are injectable so that tests can work in folders of their own.
    UserDataFolder(std::string folder, std::string shippedLightingPath);
    // The folder VQ52R_EN in the user's data folder; the shipped file in Skins beside the tool.
    static UserDataFolder OfThisUser();

    const std::string& Path() const { return folder_; }
    const std::string& ShippedLightingPath() const { return shipped_; }
    std::string LightingFilePath(int profile) const;
    UserLightingFile LightingFile(int profile) const {
        return UserLightingFile(LightingFilePath(profile));
    }
    UserSettingsFile SettingsFile() const;

    enum FirstRun : int {
        FIRST_RUN_PREPARED = 1,
        FIRST_RUN_FOLDER_EXISTED = 0,
        FIRST_RUN_FOLDER_NOT_CREATED = -1,
    };

    // First run: when the folder does not exist, creates it and copies the shipped lighting file
    // as the user lighting file of each profile. An existing folder is left untouched, even when
    // files are missing in it.
    [[nodiscard]] FirstRun PrepareFirstRun() const;

    // Copies the shipped lighting file byte for byte over the profile's file. A shipped file
    // that cannot be read leaves the profile's file empty. True when the shipped file was copied.
    [[nodiscard]] bool ResetUserLighting(int profile) const;

  private:
    std::string folder_;
    std::string shipped_;
};

}  // namespace keyloom
