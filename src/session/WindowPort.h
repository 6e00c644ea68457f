#pragma once

#include <cstdint>
#include <string>

namespace keyloom {

enum class MessageButtons {
    kOk,
    kYesNo,           // Yes is the default button
    kYesNoDefaultNo,  // No is the default button
};

enum class MessageAnswer { kOk, kYes, kNo };

// How the core reaches the main window from any thread: messages handled on the window thread,
// timers, message boxes, and the few window states the core reads or changes. The Qt window
// implements it; so does a headless host for keyloomctl and the tests.
class WindowPort {
  public:
    virtual ~WindowPort() = default;

    // Runs the window's handler on the window thread and waits for its result.
    virtual intptr_t SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // Queues the message for the window thread and returns at once.
    virtual void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // The timer's expiry reaches the window thread as MSG_TIMER with the id as wParam.
    virtual void SetTimer(uint32_t id, uint32_t milliseconds) = 0;
    virtual void KillTimer(uint32_t id) = 0;

    // A message box with a language text; `languageKey` names the text, `text` is what is shown.
    // Boxes raised off the window thread are top-most.
    virtual MessageAnswer ShowMessage(const std::string& languageKey, const std::string& text,
                                      MessageButtons buttons) = 0;

    // The Apply button, enabled exactly while changes are pending.
    virtual void SetApplyEnabled(bool enabled) = 0;
    virtual bool ApplyEnabled() const = 0;
    // Set once the deferred initialisation has run; worker threads wait for it.
    virtual bool InitComplete() const = 0;

    virtual void HideWindow() = 0;
    virtual void SetTrayIcon(int iconId) = 0;
    virtual void SetBusyPictureVisible(bool visible) = 0;
    // The caption and tooltip of the profile manager button.
    virtual void SetProfileCaption(const std::string& caption, const std::string& tooltip) = 0;
    // Redraws the key buttons' marks and tooltips from the current profile.
    virtual void RedrawKeyMarks() = 0;
    // Whether one of the editors is open: the key settings dialog, or the profile manager with
    // changes not yet applied.
    virtual bool KeyEditorOpen() const = 0;
    virtual bool ProfileManagerHasChanges() const = 0;
    // An open profile manager checks the row of the profile and has nothing left to apply.
    virtual void MarkProfileInManager(int profile) = 0;
};

}  // namespace keyloom
