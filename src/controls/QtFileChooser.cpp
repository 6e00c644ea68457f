#include "controls/QtFileChooser.h"

#include <QDir>
#include <QFileDialog>

#include "controls/ModalChildren.h"

namespace keyloom {

std::optional<std::string> QtFileChooser::Choose(const FileRequest& request) {
    QFileDialog dialog;
    const bool save = request.mode == FileRequest::Mode::kSave;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDirectory(request.folder.empty() ? QDir::home()
                                               : QDir(QString::fromStdString(request.folder)));
    if (!request.fileName.empty()) {
        dialog.selectFile(QString::fromStdString(request.fileName));
    }
    QStringList filters;
    for (const std::string& filter : request.filters) {
        filters << QString::fromStdString(filter);
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (request.executablesOnly) {
        // Programs on Linux are known by their permission, not by a name ending.
        dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    }
    if (ExecModalChild(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace keyloom
