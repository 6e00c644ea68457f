#include "editors/KeyCapture.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <utility>
#include <vector>

#include "controls/WidgetTestSupport.h"

namespace keyloom {
namespace {

using Mode = KeyCapture::Mode;
using Recorded = std::pair<ScanCode, bool>;

constexpr ScanCode kA = 0x01E;
constexpr ScanCode kB = 0x030;
constexpr ScanCode kPrintScreen = 0x137;
constexpr bool kPress = true;
constexpr bool kRelease = false;

// A widget of the application that notes the key presses and releases it receives.
class KeyLog : public QWidget {
  public:
    std::vector<QEvent::Type> received;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            received.push_back(event->type());
        }
        return QWidget::event(event);
    }
};

class KeyCaptureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        QObject::connect(&capture, &KeyCapture::captured,
                         [this](ScanCode code) { captures.push_back(code); });
        QObject::connect(&capture, &KeyCapture::recorded,
                         [this](ScanCode code, bool press) { records.emplace_back(code, press); });
    }

    // Sends a key event with the native code X11 and Wayland give the evdev key to a widget
    // that is not the dialog, as a key that escaped the dialog would reach it.
    void Send(QEvent::Type type, unsigned evdevKey, bool autoRepeat = false) {
        QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, evdevKey + 8, 0, 0, QString(),
                        autoRepeat);
        QCoreApplication::sendEvent(&behind, &event);
    }

    void Tap(unsigned evdevKey) {
        Send(QEvent::KeyPress, evdevKey);
        Send(QEvent::KeyRelease, evdevKey);
    }

    QWidget dialog;
    KeyLog behind;
    KeyCapture capture{dialog};
    std::vector<ScanCode> captures;
    std::vector<Recorded> records;
};

TEST_F(KeyCaptureTest, HeldKeyIsCapturedOnceAndItsReleaseChangesNothing) {
    capture.SetMode(Mode::kCapture);
    Send(QEvent::KeyPress, KEY_A);
    Send(QEvent::KeyPress, KEY_A, true);
    Send(QEvent::KeyPress, KEY_A);
    Send(QEvent::KeyRelease, KEY_A);
    EXPECT_EQ(captures, std::vector<ScanCode>{kA});

    Tap(KEY_B);
    EXPECT_EQ(captures, (std::vector<ScanCode>{kA, kB}));
}

TEST_F(KeyCaptureTest, PrintScreenCountsOnItsReleaseOnly) {
    capture.SetMode(Mode::kCapture);
    Send(QEvent::KeyPress, KEY_SYSRQ);
    EXPECT_TRUE(captures.empty());
    Send(QEvent::KeyRelease, KEY_SYSRQ);
    EXPECT_EQ(captures, std::vector<ScanCode>{kPrintScreen});
}

TEST_F(KeyCaptureTest, WithoutTakingKeysOnlySuperAndMenuAreCaptured) {
    capture.SetMode(Mode::kCapture);
    capture.SetTakeKeys(false);
    for (const unsigned key : {KEY_A, KEY_LEFTMETA, KEY_SYSRQ, KEY_RIGHTMETA, KEY_COMPOSE}) {
        Tap(key);
    }
    EXPECT_EQ(captures, (std::vector<ScanCode>{0x15B, 0x15C, 0x15D}));
    EXPECT_TRUE(behind.received.empty());

    capture.SetTakeKeys(true);
    Tap(KEY_A);
    EXPECT_EQ(captures.back(), kA);
}

TEST_F(KeyCaptureTest, RecordingDropsRepeatsOfHeldKeys) {
    capture.SetMode(Mode::kRecord);
    Send(QEvent::KeyPress, KEY_A);
    Send(QEvent::KeyRelease, KEY_A, true);
    Send(QEvent::KeyPress, KEY_A, true);
    Send(QEvent::KeyPress, KEY_A);
    Send(QEvent::KeyPress, KEY_B);
    Send(QEvent::KeyRelease, KEY_A);
    Send(QEvent::KeyRelease, KEY_B);
    const std::vector<Recorded> expected = {
        {kA, kPress}, {kB, kPress}, {kA, kRelease}, {kB, kRelease}};
    EXPECT_EQ(records, expected);
    EXPECT_TRUE(captures.empty());
}

TEST_F(KeyCaptureTest, RecordingLeavesOutReleasesOfKeysHeldBeforeButKeepsPrintScreen) {
    capture.SetMode(Mode::kRecord);
    Send(QEvent::KeyRelease, KEY_A);
    Send(QEvent::KeyRelease, KEY_SYSRQ);
    Tap(KEY_SYSRQ);
    const std::vector<Recorded> expected = {{kPrintScreen, kRelease}, {kPrintScreen, kRelease}};
    EXPECT_EQ(records, expected);
    EXPECT_TRUE(behind.received.empty());
}

TEST_F(KeyCaptureTest, ChangingModeForgetsHeldKeys) {
    capture.SetMode(Mode::kCapture);
    Send(QEvent::KeyPress, KEY_A);
    capture.SetMode(Mode::kRecord);
    Send(QEvent::KeyPress, KEY_A);
    Send(QEvent::KeyRelease, KEY_A);
    const std::vector<Recorded> expected = {{kA, kPress}, {kA, kRelease}};
    EXPECT_EQ(records, expected);
    EXPECT_EQ(capture.CurrentMode(), Mode::kRecord);
}

// Media keys and keys without a code of the tool go on to the widgets in either mode.
TEST_F(KeyCaptureTest, MediaKeysAndUnknownKeysPassUntouched) {
    for (const Mode mode : {Mode::kCapture, Mode::kRecord}) {
        capture.SetMode(mode);
        behind.received.clear();
        for (const unsigned key : {KEY_MUTE, KEY_PLAYPAUSE, KEY_UNKNOWN}) {
            Tap(key);
        }
        EXPECT_EQ(behind.received.size(), 6U);
    }
    EXPECT_TRUE(captures.empty());
    EXPECT_TRUE(records.empty());
}

TEST_F(KeyCaptureTest, TakenKeysReachNoWidgetAndFireNoShortcut) {
    for (const Mode mode : {Mode::kCapture, Mode::kRecord}) {
        capture.SetMode(mode);
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier, KEY_F1 + 8, 0, 0);
        QCoreApplication::sendEvent(&behind, &override);
        EXPECT_TRUE(override.isAccepted());
        Tap(KEY_F1);
    }
    EXPECT_TRUE(behind.received.empty());
}

TEST_F(KeyCaptureTest, OffLetsEveryKeyThrough) {
    Tap(KEY_A);
    capture.SetMode(Mode::kRecord);
    capture.SetMode(Mode::kOff);
    Tap(KEY_LEFTMETA);
    EXPECT_EQ(behind.received.size(), 4U);
    EXPECT_TRUE(captures.empty());
    EXPECT_TRUE(records.empty());
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

TEST_F(KeyCaptureTest, EndingTheCaptureReleasesTheKeyboard) {
    dialog.show();
    {
        KeyCapture another(dialog);
        another.SetMode(Mode::kRecord);
        EXPECT_EQ(QWidget::keyboardGrabber(), &dialog);
    }
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    Tap(KEY_A);
    EXPECT_EQ(behind.received.size(), 2U);
}

}  // namespace
}  // namespace keyloom
