#pragma once

#include "controls/FileChooser.h"

namespace keyloom {

// Files chosen in the desktop's file dialogs.
class QtFileChooser final : public FileChooser {
  public:
    std::optional<std::string> Choose(const FileRequest& request) override;
};

}  // namespace keyloom
