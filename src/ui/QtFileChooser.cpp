#include "ui/QtFileChooser.h"

#include <QDir>
#include <QFileDialog>

#include "controls/ModalChildren.h"

namespace keyloom {

namespace {

const QString kBackupFilter = QStringLiteral("(*.qvp) (*.qvp);;(*.*) (*)");
const QString kBackupSuffix = QStringLiteral("qvp");

std::optional<std::string> Chosen(QFileDialog& dialog) {
    dialog.setNameFilter(kBackupFilter);
    dialog.setDefaultSuffix(kBackupSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDirectory(QDir::home());
    if (ExecModalChild(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> QtFileChooser::ChooseBackupToOpen() {
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

std::optional<std::string> QtFileChooser::ChooseBackupToSave() {
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return Chosen(dialog);
}

}  // namespace keyloom
