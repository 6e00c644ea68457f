#pragma once

#include <optional>
#include <string>
#include <vector>

namespace keyloom {

// What a file dialog asks for.
struct FileRequest {
    enum class Mode { kOpen, kSave };
    Mode mode = Mode::kOpen;
    std::string folder;    // where the dialog starts; empty for the user's home folder
    std::string fileName;  // the name proposed, without its folder
    // Name patterns as the dialog offers them, e.g. "*.qvp"; the first is chosen.
    std::vector<std::string> filters;
    std::string defaultSuffix;  // added to a name typed without one
    // Lists only files the user may run, whatever their name.
    bool executablesOnly = false;
};

// A profile file (*.qvp) to open or save, the dialog starting in `folder`.
FileRequest ProfileFileRequest(FileRequest::Mode mode, const std::string& folder = {},
                               const std::string& fileName = {});

// Where files are chosen: the desktop's file dialog in the tool, scripted in tests.
class FileChooser {
  public:
    virtual ~FileChooser() = default;

    // The chosen file, after any overwrite question of a save; nothing when the user cancels.
    virtual std::optional<std::string> Choose(const FileRequest& request) = 0;
};

}  // namespace keyloom
