#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "session/WindowPort.h"

namespace keyloom {

// The main window without a window: a thread of its own that runs the messages and timers the
// core sends it, and message boxes answered from a script. keyloomctl and the tests use it.
class HeadlessHost final : public WindowPort {
  public:
    using Handler = std::function<intptr_t(uint32_t message, uintptr_t wParam, intptr_t lParam)>;

    struct ShownMessage {
        std::string languageKey;
        std::string text;
        MessageButtons buttons;
        MessageAnswer answer;
    };

    HeadlessHost();
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    // The window's message handler; runs on the host thread. Set it before any message comes.
    void SetHandler(Handler handler);
    void SetInitComplete(bool complete);
    // Yes or No for every question from now on; nothing: each box's default button.
    void AnswerQuestionsWith(std::optional<MessageAnswer> answer);
    // Called for each message box as it is shown (keyloomctl prints it).
    void OnMessageShown(std::function<void(const ShownMessage&)> listener);
    std::vector<ShownMessage> Messages() const;
    int TrayIcon() const;
    bool WindowHidden() const;
    std::string ProfileCaption() const;
    // Waits until every message queued so far has been handled.
    void WaitIdle();

    intptr_t SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void SetTimer(uint32_t id, uint32_t milliseconds) override;
    void KillTimer(uint32_t id) override;
    MessageAnswer ShowMessage(const std::string& languageKey, const std::string& text,
                              MessageButtons buttons) override;
    void SetApplyEnabled(bool enabled) override;
    bool ApplyEnabled() const override;
    bool InitComplete() const override;
    void HideWindow() override;
    void SetTrayIcon(int iconId) override;
    void SetBusyPictureVisible(bool) override {}
    void SetProfileCaption(const std::string& caption, const std::string& tooltip) override;
    void RedrawKeyMarks() override {}
    bool KeyEditorOpen() const override { return false; }
    bool ProfileManagerHasChanges() const override { return false; }
    void MarkProfileInManager(int) override {}

  private:
    using Clock = std::chrono::steady_clock;
    struct Queued {
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
        std::optional<intptr_t>* result;  // set for a sent message
    };
    struct Timer {
        std::chrono::milliseconds period;
        Clock::time_point due;
    };

    void Run();
    bool OnHostThread() const { return std::this_thread::get_id() == thread_.get_id(); }
    intptr_t Dispatch(uint32_t message, uintptr_t wParam, intptr_t lParam);
    std::optional<uint32_t> TakeDueTimer(Clock::time_point now);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Queued> queue_;
    std::map<uint32_t, Timer> timers_;
    bool handling_ = false;
    bool stopping_ = false;
    Handler handler_;
    std::optional<MessageAnswer> scriptedAnswer_;
    std::function<void(const ShownMessage&)> listener_;
    std::vector<ShownMessage> messages_;
    bool applyEnabled_ = false;
    bool initComplete_ = false;
    bool hidden_ = true;
    int trayIcon_ = 0;
    std::string caption_;
    std::thread thread_;
};

}  // namespace keyloom
