#pragma once

#include <QCoreApplication>
#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/Eventually.h"
#include "support/SimKeyboardFixture.h"
#include "ui/CKeyloomDlg.h"

namespace keyloom::test {

// Message boxes answered from the test, their language keys kept.
class ScriptedPrompter final : public MessagePrompter {
  public:
    MessageAnswer answer = MessageAnswer::kYes;
    std::vector<std::string> shownKeys;
    std::vector<QString> shownTexts;
    std::vector<bool> shownOnTop;  // whether each box was to stay above every other window

    MessageAnswer Ask(const std::string& languageKey, const QString& text, MessageButtons buttons,
                      bool topMost) override {
        shownKeys.push_back(languageKey);
        shownTexts.push_back(text);
        shownOnTop.push_back(topMost);
        return buttons == MessageButtons::kOk ? MessageAnswer::kOk : answer;
    }
};

// File dialogs answered from the test: each answer is used once, in order; with none left the
// user cancels. The requests are kept.
class ScriptedFileChooser final : public FileChooser {
  public:
    std::deque<std::optional<std::string>> answers;
    std::vector<FileRequest> requests;

    std::optional<std::string> Choose(const FileRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A notification area that counts its icons and keeps the double-click handler for the test,
// which also says whether the desktop has one.
class CountingTrayArea final : public TrayArea {
  public:
    CountingTrayArea(int& shown, std::function<void()>& doubleClick, const bool& available)
        : shown_(shown), doubleClick_(doubleClick), available_(available) {}
    bool Available() const override { return available_; }
    void Add(const QIcon&, const QString&, QMenu*) override { ++shown_; }
    void Remove() override { --shown_; }
    void SetIcon(const QIcon&) override {}
    void SetToolTip(const QString&) override {}
    void OnDoubleClick(std::function<void()> handler) override { doubleClick_ = handler; }

  private:
    int& shown_;
    std::function<void()>& doubleClick_;
    const bool& available_;
};

// The main window on the virtual keyboard, on Qt's offscreen platform.
class MainWindowTest : public SimKeyboardTest {
  protected:
    static constexpr const char* kTitle = "KeyloomTest";
    static constexpr ScanCode kKeyA = 0x1E;

    void SetUp() override;
    void TearDown() override;

    // The window over the installation in `folder`, constructed; Initialise() is the test's.
    CKeyloomDlg& Construct(const std::string& folder = KEYLOOM_BIN_DIR);
    // Constructed, initialised, and the first arrival of the keyboard handled.
    CKeyloomDlg& Start(const std::string& folder = KEYLOOM_BIN_DIR);
    // A copy of the installation's skins and language files to change.
    static std::string CopyOfInstallation();
    // The control id of the key button of a key.
    static int KeyControl(ScanCode code);

    // Handles window events until the condition holds; whether it did within the limit.
    template <typename Condition>
    static bool Eventually(Condition condition,
                           std::chrono::milliseconds limit = std::chrono::seconds(5)) {
        return test::Eventually(condition, limit,
                                [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); });
    }

    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    int trayShown = 0;
    std::function<void()> trayDoubleClick;
    bool trayAvailable = true;
    // Documents and addresses the window opened, in order.
    std::vector<std::string> opened;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<KeyboardSession> session;
    std::unique_ptr<CKeyloomDlg> window;
};

}  // namespace keyloom::test
