#include "ui/CKeyloomDlg.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "MainWindowFixture.h"
#include "device/ConfigReport.h"
#include "model/AssignmentTable.h"
#include "platform/AppSettings.h"
#include "session/ActiveProfile.h"
#include "storage/SkinFile.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindowControls.h"

namespace keyloom::test {
namespace {

TEST_F(MainWindowTest, ABackupThatCannotBeWrittenSaysSo) {
    Start();
    const std::string backup = MakeTemporaryFolder() + "/backup.qvp";
    files.answers = {MakeTemporaryFolder() + "/no such folder/backup.qvp", backup};
    window->OnBackup();
    EXPECT_EQ(prompter.shownKeys, std::vector<std::string>{"MAIN_BACKUP_FAILED"});
    window->OnBackup();
    EXPECT_EQ(prompter.shownKeys.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(backup));
    EXPECT_EQ(files.requests.back().defaultSuffix, "qvp");
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

}  // namespace
}  // namespace keyloom::test
