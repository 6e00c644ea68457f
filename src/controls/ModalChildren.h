#pragma once

// The windows that the main window opens above itself: message boxes, file dialogs, the About box
// and the editors. A modal one runs a loop of its own on the window thread, and whoever waits for
// its answer (a worker thread, an exit) waits until it closes, so the tool must be able to close
// them all at once: when it exits and when the keyboard goes away.

#include <QDialog>

namespace keyloom {

// Runs the dialog's own loop and gives its result. While it runs, CloseModalChildren() ends it
// with `cancelResult`, the answer of its cancel button.
int ExecModalChild(QDialog& dialog, int cancelResult = QDialog::Rejected);

// Ends every open dialog of the application except `keep` (the main window) as if cancelled:
// a modal one with its cancel result, a modeless one with reject().
void CloseModalChildren(const QWidget* keep);

// Whether a loop started by ExecModalChild runs now, somewhere down the window thread's stack.
bool ModalLoopRunning();

}  // namespace keyloom
