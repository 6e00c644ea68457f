#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "session/WindowPort.h"

namespace keyloom::test {

// Stands in for the main window: records what the core shows and sends, answers questions from
// a script (No when the script is empty) and reports the editor states it is given.
class FakeWindowPort : public WindowPort {
  public:
    struct Shown {
        std::string key;
        std::string text;
    };
    struct Sent {
        uint32_t message;
        uintptr_t wParam;
    };

    intptr_t SendMessage(uint32_t message, uintptr_t wParam, intptr_t) override {
        sent.push_back({message, wParam});
        return 0;
    }
    void PostMessage(uint32_t, uintptr_t, intptr_t) override {}
    void SetTimer(uint32_t, uint32_t) override {}
    void KillTimer(uint32_t) override {}
    MessageAnswer ShowMessage(const std::string& key, const std::string& text,
                              MessageButtons buttons) override {
        shown.push_back({key, text});
        if (whileShown) {
            whileShown();
        }
        if (buttons == MessageButtons::kOk) {
            return MessageAnswer::kOk;
        }
        const MessageAnswer answer = answers.empty() ? MessageAnswer::kNo : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    void SetApplyEnabled(bool enabled) override { applyEnabled = enabled; }
    bool ApplyEnabled() const override { return applyEnabled; }
    bool InitComplete() const override { return true; }
    void HideWindow() override {}
    void SetTrayIcon(int) override {}
    void SetBusyPictureVisible(bool) override {}
    void SetProfileCaption(const std::string& text, const std::string& tip) override {
        caption = text;
        tooltip = tip;
    }
    void RedrawKeyMarks() override { ++redraws; }
    bool KeyEditorOpen() const override { return keyEditorOpen; }
    bool ProfileManagerHasChanges() const override { return false; }

    std::vector<std::string> ShownKeys() const {
        std::vector<std::string> keys;
        for (const Shown& message : shown) {
            keys.push_back(message.key);
        }
        return keys;
    }

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
    // Runs inside each message box, as calls that arrive while it is on screen do.
    std::function<void()> whileShown;
    std::vector<Sent> sent;
    bool applyEnabled = false;
    bool keyEditorOpen = false;
    int redraws = 0;
    std::string caption;
    std::string tooltip;
};

}  // namespace keyloom::test
