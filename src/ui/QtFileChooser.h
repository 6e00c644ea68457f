#pragma once

#include "ui/FileChooser.h"

namespace keyloom {

// Backup files (*.qvp) chosen in the desktop's file dialogs.
class QtFileChooser final : public FileChooser {
  public:
    std::optional<std::string> ChooseBackupToOpen() override;
    std::optional<std::string> ChooseBackupToSave() override;
};

}  // namespace keyloom
