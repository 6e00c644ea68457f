#pragma once

#include <QString>
#include <cstdint>

namespace keyloom {

// What the main window does on its own thread for the core: its message handler and the states
// the core changes, each named as the WindowPort call it serves. QtWindowPort brings every call
// onto the window thread first.
class WindowSurface {
  public:
    virtual ~WindowSurface() = default;

    virtual intptr_t HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void SetApplyEnabled(bool enabled) = 0;
    virtual void HideWindow() = 0;
    virtual void SetTrayIcon(int iconId) = 0;
    virtual void SetBusyPictureVisible(bool visible) = 0;
    virtual void SetProfileCaption(const QString& caption, const QString& tooltip) = 0;
    virtual void RedrawKeyMarks() = 0;
    virtual bool KeyEditorOpen() const = 0;
    virtual bool ProfileManagerHasChanges() const = 0;
    virtual void MarkProfileInManager(int profile) = 0;
    // Whether the main window is on screen; a box raised while it is hidden goes above every
    // other window, since nothing of the tool is there to show it in front of.
    virtual bool MainWindowShown() const = 0;
};

}  // namespace keyloom
