#include "controls/FileChooser.h"

namespace keyloom {

FileRequest ProfileFileRequest(FileRequest::Mode mode, const std::string& folder,
                               const std::string& fileName) {
    FileRequest request;
    request.mode = mode;
    request.folder = folder;
    request.fileName = fileName;
    request.filters = {"*.qvp", "*"};
    request.defaultSuffix = "qvp";
    return request;
}

}  // namespace keyloom
