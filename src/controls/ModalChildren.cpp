#include "controls/ModalChildren.h"

#include <QApplication>
#include <QPointer>
#include <QVariant>

namespace keyloom {

namespace {

constexpr char kCancelResult[] = "keyloomCancelResult";

// Window thread only, like the dialogs themselves.
int runningLoops = 0;

class RunningLoop {
  public:
    RunningLoop() { ++runningLoops; }
    ~RunningLoop() { --runningLoops; }
    RunningLoop(const RunningLoop&) = delete;
    RunningLoop& operator=(const RunningLoop&) = delete;
};

}  // namespace

int ExecModalChild(QDialog& dialog, int cancelResult) {
    dialog.setProperty(kCancelResult, cancelResult);
    const RunningLoop running;
    return dialog.exec();
}

void CloseModalChildren(const QWidget* keep) {
    // Newest first, so that a box opened above a dialog closes before the dialog does.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(*window);
        if (dialog.isNull() || dialog == keep || !dialog->isVisible()) {
            continue;
        }
        const QVariant cancel = dialog->property(kCancelResult);
        if (cancel.isValid()) {
            dialog->done(cancel.toInt());
        } else {
            dialog->reject();
        }
    }
}

bool ModalLoopRunning() {
    return runningLoops > 0;
}

}  // namespace keyloom
