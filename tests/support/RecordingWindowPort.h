#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "session/WindowPort.h"

namespace keyloom::test {

// Stands in for the main window on any thread: a sent message runs the given handler at once on
// the sender's thread; questions get the answer it is set to; everything else the core asks of
// the window is recorded.
class RecordingWindowPort final : public WindowPort {
  public:
    using Handler = std::function<void(uint32_t message, uintptr_t wParam)>;

    struct Message {
        uint32_t message;
        uintptr_t wParam;
        friend bool operator==(const Message&, const Message&) = default;
    };
    struct Timer {
        uint32_t id;
        uint32_t milliseconds;
        friend bool operator==(const Timer&, const Timer&) = default;
    };
    struct Log {
        std::vector<Message> sent;
        std::vector<Message> posted;
        std::vector<Timer> timers;
        std::vector<uint32_t> killedTimers;
        std::vector<std::string> shownKeys;   // the language key of each message box
        std::vector<std::string> shownTexts;  // and the text it showed
        std::vector<int> trayIcons;
        std::vector<bool> busyPicture;
        int hides = 0;
        int redraws = 0;
        std::string caption;  // the profile button's latest caption and tooltip
        std::string tooltip;
    };

    // Set before the core runs: the handler of sent messages, the answer to every question, what
    // runs inside each message box (as calls that arrive while it is on screen do) and whether
    // the key settings dialog is open.
    Handler onSend;
    MessageAnswer answer = MessageAnswer::kYes;
    std::function<void()> whileShown;
    bool keyEditorOpen = false;

    Log Recorded() const {
        std::lock_guard lock(mutex_);
        return log_;
    }
    // Forgets what was recorded so far.
    void ClearRecorded() {
        Record([](Log& log) { log = {}; });
    }

    intptr_t SendMessage(uint32_t message, uintptr_t wParam, intptr_t) override {
        Record([&](Log& log) { log.sent.push_back({message, wParam}); });
        if (onSend) {
            onSend(message, wParam);
        }
        return 0;
    }
    void PostMessage(uint32_t message, uintptr_t wParam, intptr_t) override {
        Record([&](Log& log) { log.posted.push_back({message, wParam}); });
    }
    void SetTimer(uint32_t id, uint32_t milliseconds) override {
        Record([&](Log& log) { log.timers.push_back({id, milliseconds}); });
    }
    void KillTimer(uint32_t id) override {
        Record([&](Log& log) { log.killedTimers.push_back(id); });
    }
    MessageAnswer ShowMessage(const std::string& languageKey, const std::string& text,
                              MessageButtons buttons) override {
        Record([&](Log& log) {
            log.shownKeys.push_back(languageKey);
            log.shownTexts.push_back(text);
        });
        if (whileShown) {
            whileShown();
        }
        return buttons == MessageButtons::kOk ? MessageAnswer::kOk : answer;
    }
    void SetApplyEnabled(bool enabled) override {
        std::lock_guard lock(mutex_);
        applyEnabled_ = enabled;
    }
    bool ApplyEnabled() const override {
        std::lock_guard lock(mutex_);
        return applyEnabled_;
    }
    bool InitComplete() const override { return true; }
    void HideWindow() override {
        Record([](Log& log) { ++log.hides; });
    }
    void SetTrayIcon(int iconId) override {
        Record([&](Log& log) { log.trayIcons.push_back(iconId); });
    }
    void SetBusyPictureVisible(bool visible) override {
        Record([&](Log& log) { log.busyPicture.push_back(visible); });
    }
    void SetProfileCaption(const std::string& caption, const std::string& tooltip) override {
        Record([&](Log& log) {
            log.caption = caption;
            log.tooltip = tooltip;
        });
    }
    void RedrawKeyMarks() override {
        Record([](Log& log) { ++log.redraws; });
    }
    bool KeyEditorOpen() const override { return keyEditorOpen; }
    bool ProfileManagerHasChanges() const override { return false; }
    void MarkProfileInManager(int) override {}

  private:
    template <typename Change>
    void Record(Change change) {
        std::lock_guard lock(mutex_);
        change(log_);
    }

    mutable std::mutex mutex_;
    Log log_;
    bool applyEnabled_ = false;
};

}  // namespace keyloom::test
