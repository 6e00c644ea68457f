#include "controls/QtFileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

#include "controls/ModalChildren.h"

namespace keyloom {

namespace {

// Folders and the files the user may run: programs on Linux are known by their permission, not
// by a name ending.
class ExecutableFilter final : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr) {
            return true;
        }
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }
};

}  // namespace

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
        // Only the dialog of Qt's own takes a filter model.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setProxyModel(new ExecutableFilter(&dialog));
    }
    if (ExecModalChild(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace keyloom
