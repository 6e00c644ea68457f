#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "session/WindowPort.h"
#include "ui/MessagePrompter.h"
#include "ui/WindowSurface.h"

namespace keyloom {

// The core's way to the Qt main window. Calls from the window thread run at once; calls from
// other threads run on the window thread, and the caller waits for them except for posted
// messages and timers. Once closed, calls from other threads do nothing, and a caller still
// waiting for a call that has not begun stops waiting, so that the window thread can wait for
// those threads to end even after its event loop has ended.
class QtWindowPort final : public QObject, public WindowPort {
  public:
    QtWindowPort(WindowSurface& surface, MessagePrompter& prompter);
    ~QtWindowPort() override;

    void SetInitComplete(bool complete) { initComplete_ = complete; }
    // From now on only the window thread reaches the window.
    void Close();

    intptr_t SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void SetTimer(uint32_t id, uint32_t milliseconds) override;
    void KillTimer(uint32_t id) override;
    MessageAnswer ShowMessage(const std::string& languageKey, const std::string& text,
                              MessageButtons buttons) override;
    void SetApplyEnabled(bool enabled) override;
    bool ApplyEnabled() const override { return applyEnabled_; }
    bool InitComplete() const override { return initComplete_; }
    void HideWindow() override;
    void SetTrayIcon(int iconId) override;
    void SetBusyPictureVisible(bool visible) override;
    void SetProfileCaption(const std::string& caption, const std::string& tooltip) override;
    void RedrawKeyMarks() override;
    bool KeyEditorOpen() const override { return surface_.KeyEditorOpen(); }
    bool ProfileManagerHasChanges() const override { return surface_.ProfileManagerHasChanges(); }
    void MarkProfileInManager(int profile) override;

    // Whether a timer of this id is armed.
    bool TimerActive(uint32_t id) const;

  private:
    bool OnWindowThread() const;
    // Runs `work` on the window thread and waits for it.
    void RunAndWait(const std::function<void()>& work);
    // Queues `work` for the window thread.
    void RunLater(std::function<void()> work);
    void StartTimer(uint32_t id, uint32_t milliseconds);
    void StopTimer(uint32_t id);

    WindowSurface& surface_;
    MessagePrompter& prompter_;
    std::atomic<bool> initComplete_{false};
    std::atomic<bool> applyEnabled_{false};
    std::atomic<bool> closed_{false};
    // Guards the state of the calls that other threads wait for, and Close().
    std::mutex callsLock_;
    std::condition_variable callEnded_;
    std::map<uint32_t, std::unique_ptr<QTimer>> timers_;
};

}  // namespace keyloom
