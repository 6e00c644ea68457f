#pragma once

#include <QString>
#include <cstdint>

namespace keyloom {

// What the main window does on its own thread for the core: its message handler and the states
// the core changes. QtWindowPort brings every call onto the window thread first.
class WindowSurface {
  public:
    virtual ~WindowSurface() = default;

    virtual intptr_t HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void ShowApplyEnabled(bool enabled) = 0;
    virtual void HideMainWindow() = 0;
    virtual void ShowTrayIcon(int iconId) = 0;
    virtual void ShowBusyPicture(bool visible) = 0;
    virtual void ShowProfileCaption(const QString& caption, const QString& tooltip) = 0;
    virtual void RedrawMarks() = 0;
    virtual bool KeyEditorIsOpen() const = 0;
    virtual bool ProfileManagerChanged() const = 0;
    // Whether the main window is on screen; a box raised while it is hidden goes above every
    // other window, since nothing of the tool is there to show it in front of.
    virtual bool MainWindowShown() const = 0;
};

}  // namespace keyloom
