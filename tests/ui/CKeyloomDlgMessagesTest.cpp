#include "ui/CKeyloomDlg.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "ZozSim.h"
#include "controls/ModalChildren.h"
#include "platform/RegistryKey.h"
#include "storage/LanguageTables.h"
#include "ui/MainWindowControls.h"

namespace keyloom::test {
namespace {

TEST_F(MainWindowTest, ShowsTheWindowOnceAfterInitWithAKeyboard) {
    Start();
    EXPECT_TRUE(Eventually([this] { return window->isVisible(); }));
    EXPECT_EQ(trayShown, 1);
    window->hide();
    Eventually([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, InitWithAnotherTagDoesNothing) {
    Construct();
    window->HandleMessage(UM_INIT, TAG_OPEN, 0);
    EXPECT_FALSE(window->Port().InitComplete());
    EXPECT_FALSE(window->Tray().Created());
}

TEST_F(MainWindowTest, WithoutAKeyboardTheWindowStaysHiddenAndOpenOnlyPrompts) {
    Construct();
    ASSERT_EQ(ZozSim_Unplug(), 1);
    window->Initialise();
    ASSERT_TRUE(Eventually([this] { return window->Port().InitComplete(); }));
    EXPECT_EQ(context->noAutoShow, 1);
    window->HandleMessage(UM_OPEN, TAG_OPEN, 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(prompter.shownKeys, std::vector<std::string>{"MAIN_NO_DEVICE_PROMPT"});

    ASSERT_EQ(ZozSim_Plug(), 1);
    ASSERT_TRUE(Eventually([this] { return window->Tray().IconId() == TRAY_ICON_KEYBOARD; }));
    Eventually([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_FALSE(window->isVisible());
}

// The language the user chose, for the length of a test; afterwards the system's again.
class ChosenLanguage {
  public:
    explicit ChosenLanguage(uint32_t id) {
        EXPECT_TRUE(RegistryKey::OpenOrCreate().WriteDword(kLanguageIdValue, id));
    }
    ~ChosenLanguage() { EXPECT_TRUE(RegistryKey::OpenOrCreate().WriteDword(kLanguageIdValue, 0)); }
};

TEST_F(MainWindowTest, AKeyboardOutOfReachIsNamedAtStartAndInPlaceOfNoKeyboard) {
    const ChosenLanguage chinese(0x0804);
    Construct();
    ASSERT_EQ(ZozSim_DenyAccess(), 1);
    window->Initialise();
    ASSERT_TRUE(Eventually([this] { return window->Port().InitComplete(); }));
    ASSERT_EQ(prompter.shownKeys, std::vector<std::string>{"MAIN_NO_ACCESS_PROMPT"});
    const QString& text = prompter.shownTexts.front();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("已在 /dev/hidraw-sim "))) << text.toStdString();
    EXPECT_FALSE(window->isVisible());

    window->HandleMessage(UM_OPEN, TAG_OPEN, 0);
    EXPECT_EQ(prompter.shownKeys,
              (std::vector<std::string>{"MAIN_NO_ACCESS_PROMPT", "MAIN_NO_ACCESS_PROMPT"}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, UnpluggingHidesAndPluggingAgainDoesNotShow) {
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_TRUE(Eventually([this] {
        return !window->isVisible() && window->Tray().IconId() == TRAY_ICON_NO_KEYBOARD;
    }));
    ASSERT_EQ(ZozSim_Plug(), 1);
    EXPECT_TRUE(Eventually([this] { return window->Tray().IconId() == TRAY_ICON_KEYBOARD; }));
    Eventually([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_FALSE(window->isVisible());
}

// The About box and a modal dialog open above the window close as if cancelled.
TEST_F(MainWindowTest, UnpluggingClosesEveryDialogAboveTheWindow) {
    Start();
    window->OnAbout();
    QDialog dialog;
    constexpr int kCancelled = 7;
    QTimer::singleShot(0, [] { ZozSim_Unplug(); });
    QTimer::singleShot(10000, &dialog, [&dialog] { dialog.done(-1); });  // never hang the run
    EXPECT_EQ(ExecModalChild(dialog, kCancelled), kCancelled);
    Eventually([] { return false; }, std::chrono::milliseconds(50));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(qobject_cast<CAboutDlg*>(widget) != nullptr && widget->isVisible());
    }
}

TEST_F(MainWindowTest, EnterAndEscapeDoNothing) {
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(window.get(), key);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->Exited());
}

TEST_F(MainWindowTest, SystemCloseHidesAndCloseButtonExits) {
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->Exited());
    QSignalSpy exited(window.get(), &CKeyloomDlg::exited);
    window->Control(CONTROL_CLOSE)->click();
    EXPECT_TRUE(window->Exited());
    EXPECT_EQ(exited.count(), 1);
    EXPECT_EQ(trayShown, 0);
}

// The ways the window goes into the notification area, besides the keyboard's removal.
struct HidingWay {
    const char* name;
    void (*hide)(CKeyloomDlg& window);
};
constexpr HidingWay kHidingWays[] = {
    {"Cancel", [](CKeyloomDlg& window) { window.OnCancel(); }},
    {"OK", [](CKeyloomDlg& window) { window.OnOk(); }},
    {"window system's close", [](CKeyloomDlg& window) { window.close(); }},
    {"device gone", [](CKeyloomDlg& window) { window.HandleMessage(UM_DEVICE_GONE, 0, 0); }},
};

class HidingTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HidingTest, TheWindowHidesOnlyIntoANotificationAreaThatExists) {
    const bool tray = GetParam();
    trayAvailable = tray;
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    for (const HidingWay& way : kHidingWays) {
        SCOPED_TRACE(way.name);
        window->show();
        way.hide(*window);
        EXPECT_EQ(window->isVisible(), !tray);
    }
    window->show();
    ASSERT_EQ(ZozSim_Unplug(), 1);
    ASSERT_TRUE(Eventually([this] { return window->Tray().IconId() == TRAY_ICON_NO_KEYBOARD; }));
    EXPECT_EQ(window->isVisible(), !tray);
    EXPECT_EQ(prompter.shownKeys,
              tray ? std::vector<std::string>() : std::vector<std::string>{"MAIN_NO_TRAY_PROMPT"});
    EXPECT_FALSE(window->Exited());
}

INSTANTIATE_TEST_SUITE_P(Desktops, HidingTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "WithTray" : "WithoutTray");
});

// Without a notification area even a start without a keyboard shows the window, and says why.
TEST_F(MainWindowTest, WithoutATrayTheWindowShowsAtStartEvenWithoutAKeyboard) {
    trayAvailable = false;
    Construct();
    ASSERT_EQ(ZozSim_Unplug(), 1);
    window->Initialise();
    ASSERT_TRUE(Eventually([this] { return window->Port().InitComplete(); }));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompter.shownKeys, std::vector<std::string>{"MAIN_NO_TRAY_PROMPT"});
}

TEST_F(MainWindowTest, BusyAnimationWrapsFromFrameNineToZero) {
    Construct();
    window->SetBusyPictureVisible(true);
    std::vector<int> frames;
    for (int tick = 0; tick < 11; ++tick) {
        window->HandleMessage(MSG_TIMER, TIMER_BUSY, 0);
        frames.push_back(window->BusyFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
}

TEST_F(MainWindowTest, LanguageMessageRelabelsTheWindowAndItsMenus) {
    Start();
    window->HandleMessage(UM_LANGUAGE, TAG_LANG, 1);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Keyloom 键盘设置"));
    EXPECT_EQ(window->Control(CONTROL_PROFILE_1)->text(), QString::fromUtf8("配置 1"));
    window->HandleMessage(UM_LANGUAGE, TAG_LANG, 0);
    EXPECT_EQ(window->Control(CONTROL_PROFILE_1)->text(), "Profile 1");
}

TEST_F(MainWindowTest, SessionLockAndUnlockSetAndClearTheAwayFlag) {
    Construct();
    window->HandleMessage(MSG_SESSION_CHANGE, SESSION_LOCK, 0);
    EXPECT_TRUE(window->Away().Away());
    window->HandleMessage(MSG_SESSION_CHANGE, SESSION_CONSOLE_CONNECT, 0);
    EXPECT_TRUE(window->Away().Away());
    window->HandleMessage(MSG_SESSION_CHANGE, SESSION_UNLOCK, 0);
    EXPECT_FALSE(window->Away().Away());
}

}  // namespace
}  // namespace keyloom::test
