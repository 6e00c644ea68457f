#include "ui/CKeyloomDlg.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "MainWindowFixture.h"
#include "ZozSim.h"
#include "controls/ModalChildren.h"
#include "device/ConfigReport.h"
#include "model/AssignmentTable.h"
#include "model/KeyButtonTable.h"
#include "platform/AppSettings.h"
#include "session/ActiveProfile.h"
#include "storage/SkinFile.h"
#include "storage/SkinLayoutKeys.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindowControls.h"

namespace keyloom::test {
namespace {

constexpr ScanCode kKeyA = 0x1E;
constexpr ScanCode kKeyB = 0x30;
constexpr int kG3 = 2;  // position among the G keys

void RemoveSkinKey(const std::string& skinFile, const std::string& key) {
    std::ifstream in(skinFile);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::ofstream(skinFile) << std::regex_replace(text.str(),
                                                  std::regex("(^|\n)" + key + "=[^\n]*"), "");
}

TEST_F(MainWindowTest, ShowsTheWindowOnceAfterInitWithAKeyboard) {
    Start();
    EXPECT_TRUE(Eventually([this] { return window->isVisible(); }));
    EXPECT_EQ(trayShown, 1);
    window->hide();
    Eventually([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, AKeyboardAsItLeftTheFactoryShowsNoMarkedKey) {
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    for (const KeyButton& key : LightingButtons()) {
        EXPECT_FALSE(window->Control(key.control)->Marked()) << "control " << key.control;
    }
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

// An apply asked for from outside while the window is hidden must not warn behind other windows.
TEST_F(MainWindowTest, BoxesRaisedWhileTheWindowIsHiddenStayOnTop) {
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    window->Port().ShowMessage("EXTRA_PROFILE_SPACE_TIGHT", "", MessageButtons::kOk);
    window->hide();
    window->Port().ShowMessage("EXTRA_MACRO_TOO_LONG", "", MessageButtons::kOk);
    EXPECT_EQ(prompter.shownOnTop, (std::vector<bool>{false, true}));
}

TEST_F(MainWindowTest, ABackupThatCannotBeWrittenSaysSo) {
    Start();
    files.backupTo = MakeTemporaryFolder() + "/no such folder/backup.qvp";
    window->OnBackup();
    EXPECT_EQ(prompter.shownKeys, std::vector<std::string>{"MAIN_BACKUP_FAILED"});
    files.backupTo = MakeTemporaryFolder() + "/backup.qvp";
    window->OnBackup();
    EXPECT_EQ(prompter.shownKeys.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(*files.backupTo));
}

TEST_F(MainWindowTest, InitWithAnotherTagDoesNothing) {
    Construct();
    window->HandleMessage(UM_INIT, TAG_OPEN, 0);
    EXPECT_FALSE(window->Port().InitComplete());
    EXPECT_FALSE(window->Tray().Created());
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

TEST_F(MainWindowTest, AKeyMissingFromTheSkinIsDisabledAndOnePixel) {
    const std::string folder = CopyOfInstallation();
    RemoveSkinKey(folder + "Skins/Main.ini", KeyButtonSkinKey(kKeyA));
    Construct(folder);
    CPngButton* key = window->Keyboard().Button(KeyControl(kKeyA));
    EXPECT_FALSE(key->isEnabled());
    EXPECT_EQ(key->size(), QSize(1, 1));
    EXPECT_TRUE(window->Keyboard().Button(KeyControl(kKeyB))->isEnabled());
}

TEST_F(MainWindowTest, InBankBG3EditsSlotEleven) {
    Start();
    ASSERT_EQ(ZozSim_PressBankKey(), 1);
    ASSERT_TRUE(Eventually([this] { return session->channels.MacroKeyBank() == 1; }));
    window->Keyboard().Button(GKeyButtons()[kG3].control)->click();
    ASSERT_FALSE(window->KeySettingsRequests().empty());
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x10B);
    window->OnMacroButton();
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x111);
    EXPECT_TRUE(window->KeySettingsRequests().back().macroOnly);
}

TEST_F(MainWindowTest, InTheLightingViewKeysPaintAndOnlyGKeysOpenTheKeySettings) {
    Start();
    window->LightingModel().view = true;
    window->Keyboard().Button(KeyControl(kKeyA))->click();
    window->Keyboard().Button(FN_CONTROL)->click();
    EXPECT_TRUE(window->KeySettingsRequests().empty());
    window->Keyboard().Button(GKeyButtons()[kG3].control)->click();
    ASSERT_EQ(window->KeySettingsRequests().size(), 1u);
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x102);

    window->LightingModel().view = false;
    window->Keyboard().Button(FN_CONTROL)->click();
    EXPECT_EQ(window->KeySettingsRequests().size(), 1u);
    window->Keyboard().Button(KeyControl(kKeyA))->click();
    ASSERT_EQ(window->KeySettingsRequests().size(), 2u);
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x1E);
}

TEST_F(MainWindowTest, DefaultButtonClearsOnlyTheCurrentBankAfterYes) {
    Start();
    const int profile = GetActiveProfile(*session);
    const KeyAssignment assigned{ASSIGN_KEY, 0, 0x30, 0, 0};
    const auto assign = [&] {
        std::lock_guard lock(context->profileLock);
        AssignmentTable table = session->profile.Assignments();
        table.SetEntry(profile, GKeySlot(0, 0), assigned);
        table.SetEntry(profile, GKeySlot(1, 0), assigned);
    };
    const auto kindOf = [&](int bank) {
        std::lock_guard lock(context->profileLock);
        return session->profile.Assignments().EntryOf(profile, GKeySlot(bank, 0)).kind;
    };
    assign();
    prompter.answer = MessageAnswer::kNo;
    window->OnDefaultButton();
    EXPECT_EQ(kindOf(0), ASSIGN_KEY);
    EXPECT_EQ(kindOf(1), ASSIGN_KEY);
    prompter.answer = MessageAnswer::kYes;
    window->OnDefaultButton();
    EXPECT_EQ(kindOf(0), ASSIGN_DEFAULT);
    EXPECT_EQ(kindOf(1), ASSIGN_KEY);
}

TEST_F(MainWindowTest, ReportRateButtonThreeInProfileThreeWritesTwoAtOffset99) {
    Start();
    window->OnProfileButton(3);
    const size_t before = WrittenRequests().size();
    window->OnReportRateButton(3);
    const auto written = WrittenRequests();
    ASSERT_GT(written.size(), before);
    bool found = false;
    for (size_t i = before; i < written.size(); ++i) {
        if (written[i].command == CMD_WRITE_LIGHTING) {
            EXPECT_EQ(written[i].offset, 99);
            EXPECT_EQ(written[i].data, std::vector<uint8_t>{2});
            found = true;
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(window->ReportRateIndex(), 2);
}

TEST_F(MainWindowTest, FlipValueSevenTogglesToZero) {
    Construct();
    ASSERT_TRUE(WriteAppSetting(kTitle, "PROFILES", "Flip", "7"));
    window->OnFlipButton();
    EXPECT_EQ(GetAppSetting(kTitle, "PROFILES", "Flip", ""), "0");
    window->OnFlipButton();
    EXPECT_EQ(GetAppSetting(kTitle, "PROFILES", "Flip", ""), "1");
    EXPECT_FALSE(window->Keyboard().Button(CONTROL_FLIPPED_KEYS.front())->isEnabled());
}

TEST_F(MainWindowTest, AMissingHoverPictureDoesNotStopTheStart) {
    const std::string folder = CopyOfInstallation();
    std::filesystem::remove(folder + "Skins/main_over.jpg");
    Start(folder);
    EXPECT_TRUE(window->Port().InitComplete());
    EXPECT_TRUE(window->Keyboard().Button(KeyControl(kKeyA))->isEnabled());
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

TEST_F(MainWindowTest, TrayMenuSpeaksTheLanguageAndItsItemsOpenShowAboutOnceAndExit) {
    Start();
    window->hide();
    CommandMenu& menu = window->Tray().Menu();
    emit menu.aboutToShow();
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Open Keyloom");
    EXPECT_TRUE(items[0]->font().bold());
    EXPECT_EQ(items[2]->text(), "Exit");

    items[0]->trigger();
    EXPECT_TRUE(window->isVisible());
    items[1]->trigger();
    items[1]->trigger();
    int aboutBoxes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        aboutBoxes += qobject_cast<CAboutDlg*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(aboutBoxes, 1);
    items[2]->trigger();
    EXPECT_TRUE(window->Exited());
}

TEST_F(MainWindowTest, DoubleClickOnTheTrayIconOpensTheWindow) {
    Start();
    window->hide();
    ASSERT_TRUE(trayDoubleClick);
    trayDoubleClick();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, LanguageMessageRelabelsTheWindowAndItsMenus) {
    Start();
    window->HandleMessage(UM_LANGUAGE, TAG_LANG, 1);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Keyloom 键盘设置"));
    EXPECT_EQ(window->Control(CONTROL_PROFILE_1)->text(), QString::fromUtf8("配置 1"));
    window->HandleMessage(UM_LANGUAGE, TAG_LANG, 0);
    EXPECT_EQ(window->Control(CONTROL_PROFILE_1)->text(), "Profile 1");
}

TEST_F(MainWindowTest, HelpAndLinkButtonsOpenTheirPages) {
    Start();
    window->Control(CONTROL_HELP)->click();
    QTest::keyClick(window.get(), Qt::Key_F1);
    window->Control(CONTROL_SKIN_LINK)->click();
    window->Control(CONTROL_COMMUNITY_LINK)->click();
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0], std::string(KEYLOOM_BIN_DIR) + "Help/index.html");
    EXPECT_EQ(opened[1], opened[0]);
    EXPECT_EQ(opened[2], SKIN_DEFAULT_LINK);
    EXPECT_NE(opened[3], opened[2]);
}

TEST_F(MainWindowTest, ProfileManagerButtonAsksForTheProfileManager) {
    Start();
    QSignalSpy asked(window.get(), &CKeyloomDlg::OpenProfileManager);
    window->Control(CONTROL_PROFILE_MANAGER)->click();
    EXPECT_EQ(asked.count(), 1);
}

TEST_F(MainWindowTest, SystemMenuAboutOpensTheAboutBox) {
    Start();
    CommandMenu& menu = window->SystemMenu();
    emit menu.aboutToShow();
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[1]->text(), "About Keyloom");
    menu.actions()[1]->trigger();
    bool aboutShown = false;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        aboutShown |= qobject_cast<CAboutDlg*>(widget) != nullptr && widget->isVisible();
    }
    EXPECT_TRUE(aboutShown);
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

// An exit before the deferred initialisation has run (UM_KILL at once, say) must not wait for
// the device-state worker, which waits for that initialisation.
TEST_F(MainWindowTest, NamedEventsLiveFromInitialisationToAnExitBeforeInitRan) {
    Construct();
    EXPECT_EQ(window->MainEvents().OpenCount(), 0u);
    window->Initialise();
    EXPECT_EQ(window->MainEvents().OpenCount(), static_cast<size_t>(MAIN_EVENT_COUNT));
    window->Exit();
    EXPECT_EQ(window->MainEvents().OpenCount(), 0u);
}

}  // namespace
}  // namespace keyloom::test
