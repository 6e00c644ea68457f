#pragma once

// The small per-user settings file: whether the lighting view was left on.

#include <string>
#include <utility>

namespace keyloom {

class UserSettingsFile {
  public:
    explicit UserSettingsFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // True only for a stored 1; a missing file or key reads as off.
    bool ReadLightingViewFlag() const;
    // False when the file could not be written.
    [[nodiscard]] bool WriteLightingViewFlag(bool on) const;

  private:
    std::string path_;
};

}  // namespace keyloom
