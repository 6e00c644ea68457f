#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "session/WindowPort.h"

namespace keyloom::test {

// Stands in for the main window on any thread: a sent message runs the given handler at once on
// the sender's thread; everything else the core asks of the window is recorded.
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
        std::vector<std::string> shownTexts;  // by language key
        std::vector<int> trayIcons;
        std::vector<bool> busyPicture;
        int hides = 0;
    };

    // Set before the core runs: the handler of sent messages, the answer to every question and
    // what runs inside each message box.
    Handler onSend;
    MessageAnswer answer = MessageAnswer::kYes;
    std::function<void(const std::string& languageKey)> whileShown;

    Log Recorded() const {
        std::lock_guard lock(mutex_);
        return log_;
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
    MessageAnswer ShowMessage(const std::string& languageKey, const std::string&,
                              MessageButtons buttons) override {
        Record([&](Log& log) { log.shownTexts.push_back(languageKey); });
        if (whileShown) {
            whileShown(languageKey);
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
    void SetProfileCaption(const std::string&, const std::string&) override {}
    void RedrawKeyMarks() override {}
    bool KeyEditorOpen() const override { return false; }
    bool ProfileManagerHasChanges() const override { return false; }

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
