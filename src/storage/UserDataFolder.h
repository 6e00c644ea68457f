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

    // First run: when the folder does not exist, creates it and copies the shipped lighting file
    // as the user lighting file of each profile. An existing folder is left untouched, even when
    // files are missing in it. 1: created; 0: it existed; -1: it could not be created.
    [[nodiscard]] int PrepareFirstRun() const;

    // Copies the shipped lighting file byte for byte over the profile's file. A shipped file
    // that cannot be read leaves the profile's file empty. 1 when the shipped file was copied.
    [[nodiscard]] int ResetUserLighting(int profile) const;

  private:
    std::string folder_;
    std::string shipped_;
};

}  // namespace keyloom
