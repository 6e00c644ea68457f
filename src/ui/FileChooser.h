#pragma once

#include <optional>
#include <string>

namespace keyloom {

// Where the backup file of the profiles is chosen: a file dialog in the tool, scripted in tests.
class FileChooser {
  public:
    virtual ~FileChooser() = default;

    // The file to restore from; nothing when the user cancels.
    virtual std::optional<std::string> ChooseBackupToOpen() = 0;
    // The file to back up to, after any overwrite question; nothing when the user cancels.
    virtual std::optional<std::string> ChooseBackupToSave() = 0;
};

}  // namespace keyloom
