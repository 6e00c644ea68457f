#include "editors/KeyCapture.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <string>
#include <vector>

#include "controls/WidgetTestSupport.h"

namespace keyloom {
namespace {

using Mode = KeyCapture::Mode;

struct Key {
    QEvent::Type type;
    unsigned evdev;
    bool autoRepeat = false;
};
Key Down(unsigned evdev, bool autoRepeat = false) {
    return {QEvent::KeyPress, evdev, autoRepeat};
}
Key Up(unsigned evdev, bool autoRepeat = false) {
    return {QEvent::KeyRelease, evdev, autoRepeat};
}

// A widget that is not the dialog, as a key that escaped the dialog would reach it.
class KeyLog : public QWidget {
  public:
    int received = 0;

  protected:
    bool event(QEvent* event) override {
        received += event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        return QWidget::event(event);
    }
};

class KeyCaptureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        QObject::connect(&capture, &KeyCapture::captured,
                         [this](ScanCode code) { Note("capture", code); });
        QObject::connect(&capture, &KeyCapture::recorded, [this](ScanCode code, bool press) {
            Note(press ? "press" : "release", code);
        });
    }

    void Note(const char* what, ScanCode code) {
        log += (log.empty() ? "" : ", ") + std::string(what) + " " +
               QString::number(code, 16).toStdString();
    }

    // X11 and Wayland give the evdev code + 8 as the native scan code.
    void Send(const std::vector<Key>& keys) {
        for (const auto& key : keys) {
            QKeyEvent event(key.type, Qt::Key_unknown, Qt::NoModifier, key.evdev + 8, 0, 0,
                            QString(), key.autoRepeat);
            QCoreApplication::sendEvent(&behind, &event);
        }
    }

    QWidget dialog;
    KeyLog behind;
    KeyCapture capture{dialog};
    std::string log;
};

struct Case {
    const char* what;
    Mode mode;
    bool takeKeys;
    std::vector<Key> keys;
    const char* reported;  // ScanCodes: A 1e, B 30, Print Screen 137, Super 15b and 15c, Menu 15d
    int reachingWidgets;
};

const Case kCases[] = {
    Case("a held key is captured once", Mode::kCapture, true,
         {Down(KEY_A), Down(KEY_A, true), Down(KEY_A), Up(KEY_A), Down(KEY_B)},
         "capture 1e, capture 30", 0),
    Case("Print Screen counts on its release", Mode::kCapture, true,
         {Down(KEY_SYSRQ), Up(KEY_SYSRQ)}, "capture 137", 0),
    Case("Super and Menu without taking keys", Mode::kCapture, false,
         {Down(KEY_A), Down(KEY_LEFTMETA), Down(KEY_RIGHTMETA), Up(KEY_SYSRQ), Down(KEY_COMPOSE)},
         "capture 15b, capture 15c, capture 15d", 0),
    Case("repeats are not recorded", Mode::kRecord, true,
         {Down(KEY_A), Up(KEY_A, true), Down(KEY_A, true), Down(KEY_A), Down(KEY_B), Up(KEY_A),
          Up(KEY_B)},
         "press 1e, press 30, release 1e, release 30", 0),
    Case("a release of a key held before is left out", Mode::kRecord, true,
         {Up(KEY_A), Down(KEY_SYSRQ), Up(KEY_SYSRQ)}, "release 137", 0),
    Case("media and unknown keys pass while capturing", Mode::kCapture, true,
         {Down(KEY_MUTE), Up(KEY_MUTE), Down(KEY_UNKNOWN), Up(KEY_PLAYPAUSE)}, "", 4),
    Case("media keys pass while recording", Mode::kRecord, true,
         {Down(KEY_PLAYPAUSE), Up(KEY_PLAYPAUSE), Up(KEY_MUTE)}, "", 3),
    Case("off takes nothing", Mode::kOff, true, {Down(KEY_A), Down(KEY_LEFTMETA)}, "", 2),
};

TEST_F(KeyCaptureTest, ReportsAndSwallowsTheKeysOfItsMode) {
    for (const auto& [what, mode, takeKeys, keys, reported, reaching] : kCases) {
        capture.SetMode(mode);
        capture.SetTakeKeys(takeKeys);
        Send(keys);
        EXPECT_EQ(log, reported) << what;
        EXPECT_EQ(behind.received, reaching) << what;
        capture.SetMode(Mode::kOff);
        log.clear();
        behind.received = 0;
    }
}

TEST_F(KeyCaptureTest, ChangingModeForgetsHeldKeys) {
    capture.SetMode(Mode::kCapture);
    Send({Down(KEY_A)});
    capture.SetMode(Mode::kRecord);
    Send({Down(KEY_A)});
    EXPECT_EQ(log, "capture 1e, press 1e");
}

TEST_F(KeyCaptureTest, TakenKeyFiresNoShortcut) {
    capture.SetMode(Mode::kRecord);
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier, KEY_F1 + 8, 0, 0);
    QCoreApplication::sendEvent(&behind, &override);
    EXPECT_TRUE(override.isAccepted());
}

TEST_F(KeyCaptureTest, KeyboardIsGrabbedWhileOnAndTheDialogIsShown) {
    capture.SetMode(Mode::kCapture);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    dialog.show();
    EXPECT_EQ(QWidget::keyboardGrabber(), &dialog);
    dialog.hide();
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    dialog.show();
    capture.SetMode(Mode::kRecord);
    EXPECT_EQ(QWidget::keyboardGrabber(), &dialog);
    capture.SetMode(Mode::kOff);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
}

}  // namespace
}  // namespace keyloom
