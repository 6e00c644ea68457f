#include "editors/CKeyloom_DlgProfile.h"

#include <filesystem>

#include "MainWindowFixture.h"
#include "ZozSim.h"
#include "device/ConfigReport.h"
#include "platform/AppSettings.h"
#include "session/ActiveProfile.h"
#include "session/ProfileOperations.h"
#include "storage/ProfileFile.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindowControls.h"

namespace keyloom::test {
namespace {

constexpr int kSlotCapsLock = 0x03A;
const KeyAssignment kCapsAsCtrl{ASSIGN_KEY, 0, 0x01D, 0, 0};

class ProfileManagerTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        std::filesystem::remove(AppSettingsPath(kTitle));  // rows recorded by earlier tests
    }

    // The window started with `active` as the keyboard's active profile, the manager open.
    CKeyloom_DlgProfile& OpenWith(int active) {
        Start();
        EXPECT_TRUE(SelectProfile(*session, active));
        CKeyloom_DlgProfile& dialog = window->ProfileManager();
        dialog.Open();
        return dialog;
    }

    // The keyboard's own answer, not the cached one.
    int KeyboardProfile() {
        context->activeProfileCache = NO_ACTIVE_PROFILE;
        return GetActiveProfile(*session);
    }

    static std::string Setting(const std::string& key) {
        return GetAppSetting(kTitle, "PROFILES", key, "");
    }

    static void Check(CKeyloom_DlgProfile& dialog, int row) {
        dialog.List().item(row, CKeyloom_DlgProfile::kActiveColumn)->setCheckState(Qt::Checked);
    }

    static std::vector<int> CheckedRows(CKeyloom_DlgProfile& dialog) {
        std::vector<int> rows;
        for (int row = 0; row < dialog.List().rowCount(); ++row) {
            if (dialog.List().item(row, CKeyloom_DlgProfile::kActiveColumn)->checkState() ==
                Qt::Checked) {
                rows.push_back(row);
            }
        }
        return rows;
    }

    static QString Cell(CKeyloom_DlgProfile& dialog, int row, int column) {
        return dialog.List().item(row, column)->text();
    }

    KeyAssignment StoredCapsLock() {
        std::lock_guard lock(context->profileLock);
        return session->profile.Assignments().EntryOf(GetActiveProfile(*session), kSlotCapsLock);
    }
    void StoreCapsLock(const KeyAssignment& record) {
        std::lock_guard lock(context->profileLock);
        session->profile.Assignments().SetEntry(GetActiveProfile(*session), kSlotCapsLock, record);
    }
};

TEST_F(ProfileManagerTest, OpensOnTheThreeProfilesWithTheActiveOneCheckedAndCancelKeepsIt) {
    CKeyloom_DlgProfile& dialog = OpenWith(1);
    ASSERT_EQ(dialog.List().rowCount(), 3);
    const QString folder = QString::fromStdString(session->paths.userFolder);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Cell(dialog, row, CKeyloom_DlgProfile::kNameColumn), "$Profile0");
        EXPECT_EQ(Cell(dialog, row, CKeyloom_DlgProfile::kFolderColumn), folder);
    }
    EXPECT_EQ(CheckedRows(dialog), std::vector<int>{1});
    EXPECT_FALSE(dialog.Unapplied());
    EXPECT_FALSE(window->ProfileManagerHasChanges());

    Check(dialog, 2);
    EXPECT_EQ(CheckedRows(dialog), std::vector<int>{2});  // one checked row at a time
    EXPECT_TRUE(dialog.Unapplied());
    EXPECT_TRUE(window->ProfileManagerHasChanges());
    dialog.OnCancel();
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_FALSE(window->ProfileManagerHasChanges());
    EXPECT_EQ(KeyboardProfile(), 1);
    EXPECT_EQ(Setting("PROFILE00"), "");
}

TEST_F(ProfileManagerTest, OkMakesTheCheckedRowActiveAndTheCaptionFollows) {
    CKeyloom_DlgProfile& dialog = OpenWith(0);
    Check(dialog, 2);
    dialog.OnOk();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(KeyboardProfile(), 2);
    EXPECT_TRUE(window->Control(CONTROL_PROFILE_3)->Marked());
    EXPECT_EQ(window->Control(CONTROL_PROFILE_MANAGER)->text(), "$Profile0");
    EXPECT_EQ(Setting("PROFILE00"), "3");
    EXPECT_EQ(Setting("PROFILE03"), session->paths.userFolder + "$Profile0.qvp");
}

TEST_F(ProfileManagerTest, ALoadedFileIsAppendedUnreadAndRecordedOnApply) {
    CKeyloom_DlgProfile& dialog = OpenWith(1);
    const std::string folder = MakeTemporaryFolder() + "/x/";
    files.answers = {folder + "y.qvp"};
    dialog.OnLoad();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].folder, session->paths.userFolder);
    EXPECT_EQ(files.requests[0].defaultSuffix, "qvp");
    ASSERT_EQ(dialog.List().rowCount(), 4);
    EXPECT_EQ(Cell(dialog, 3, CKeyloom_DlgProfile::kNameColumn), "y");
    EXPECT_EQ(Cell(dialog, 3, CKeyloom_DlgProfile::kFolderColumn), QString::fromStdString(folder));
    EXPECT_TRUE(dialog.Unapplied());

    EXPECT_TRUE(dialog.OnApply());
    EXPECT_EQ(Setting("PROFILE00"), "4");
    EXPECT_EQ(Setting("PROFILE04"), folder + "y.qvp");
    EXPECT_EQ(KeyboardProfile(), 1);
    EXPECT_FALSE(dialog.Unapplied());

    dialog.OnLoad();  // cancelled: nothing changes
    EXPECT_EQ(dialog.List().rowCount(), 4);
    EXPECT_FALSE(dialog.Unapplied());
}

TEST_F(ProfileManagerTest, DeleteTakesTheSelectedRowAndSelectsItsNeighbour) {
    CKeyloom_DlgProfile& dialog = OpenWith(0);
    dialog.List().clearSelection();
    dialog.OnDelete();
    EXPECT_EQ(dialog.List().rowCount(), 3);
    EXPECT_FALSE(dialog.Unapplied());

    dialog.List().selectRow(2);
    dialog.OnDelete();
    EXPECT_EQ(dialog.List().rowCount(), 2);
    ASSERT_EQ(dialog.List().selectedRanges().size(), 1);
    EXPECT_EQ(dialog.List().selectedRanges().front().topRow(), 1);
    EXPECT_TRUE(dialog.Unapplied());

    dialog.List().selectRow(0);
    dialog.OnDelete();
    ASSERT_EQ(dialog.List().rowCount(), 1);
    EXPECT_EQ(dialog.List().selectedRanges().front().topRow(), 0);
    EXPECT_EQ(CheckedRows(dialog), std::vector<int>{});  // the checked row 0 went with it
}

TEST_F(ProfileManagerTest, ApplyWithNoCheckedRowRecordsAndReloadsWithoutSwitching) {
    CKeyloom_DlgProfile& dialog = OpenWith(2);
    dialog.List().item(2, CKeyloom_DlgProfile::kActiveColumn)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(CheckedRows(dialog), std::vector<int>{});
    StoreCapsLock(kCapsAsCtrl);  // in the working profile only: the reload drops it
    const size_t before = WrittenRequests().size();
    EXPECT_TRUE(dialog.OnApply());
    EXPECT_EQ(Setting("PROFILE00"), "3");
    EXPECT_EQ(StoredCapsLock().kind, ASSIGN_DEFAULT);
    const auto written = WrittenRequests();
    for (size_t i = before; i < written.size(); ++i) {
        EXPECT_NE(written[i].command, CMD_WRITE_CONFIG) << "request " << i;
    }
    EXPECT_EQ(KeyboardProfile(), 2);
}

TEST_F(ProfileManagerTest, ASwitchWhileTheManagerIsOpenChecksItsRow) {
    CKeyloom_DlgProfile& dialog = OpenWith(0);
    EXPECT_TRUE(SelectProfile(*session, 2));
    EXPECT_EQ(CheckedRows(dialog), std::vector<int>{2});
    EXPECT_FALSE(dialog.Unapplied());
    EXPECT_TRUE(prompter.shownKeys.empty());
}

TEST_F(ProfileManagerTest, UnappliedEditsOfTheWindowAreOfferedBeforeTheReload) {
    CKeyloom_DlgProfile& dialog = OpenWith(0);
    StoreCapsLock(kCapsAsCtrl);
    window->Port().SetApplyEnabled(true);
    prompter.answer = MessageAnswer::kYes;
    Check(dialog, 1);
    dialog.OnOk();
    EXPECT_EQ(prompter.shownKeys, std::vector<std::string>{"PROFILE_SELECT_PROMPT"});
    EXPECT_EQ(KeyboardProfile(), 1);
    ASSERT_TRUE(SelectProfile(*session, 0));
    EXPECT_EQ(StoredCapsLock(), kCapsAsCtrl) << "applied to profile 1 before the switch";
    EXPECT_FALSE(window->Port().ApplyEnabled());
}

TEST_F(ProfileManagerTest, ACheckedFileRowIsWrittenToTheKeyboardOnlyWhenTheUserAgrees) {
    CKeyloom_DlgProfile& dialog = OpenWith(1);
    const std::string backup = MakeTemporaryFolder() + "/caps.qvp";
    StoreCapsLock(kCapsAsCtrl);
    ASSERT_EQ(ExportProfileFile(*session, backup), PROFILE_FILE_OK);
    StoreCapsLock({});
    files.answers = {backup};
    dialog.OnLoad();
    Check(dialog, 3);

    prompter.answer = MessageAnswer::kNo;
    EXPECT_FALSE(dialog.OnApply());
    EXPECT_EQ(prompter.shownKeys, std::vector<std::string>{"PROFILE_RESTORE_ROW"});
    EXPECT_TRUE(prompter.shownTexts.back().contains(QString::fromStdString(backup)));
    EXPECT_TRUE(dialog.Unapplied());
    EXPECT_EQ(Setting("PROFILE00"), "");

    prompter.answer = MessageAnswer::kYes;
    dialog.OnOk();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(KeyboardProfile(), 1) << "no profile index beyond the keyboard's three";
    EXPECT_EQ(StoredCapsLock(), kCapsAsCtrl) << "read back from the keyboard";
    EXPECT_EQ(Setting("PROFILE04"), backup);
}

TEST_F(ProfileManagerTest, AddWritesABlankProfileFileAndAppendsItsRowEvenWhenItCannotBeWritten) {
    CKeyloom_DlgProfile& dialog = OpenWith(0);
    const std::string added = session->paths.userFolder + "New profile.qvp";
    files.answers = {added, MakeTemporaryFolder() + "/missing/z.qvp"};
    dialog.OnAdd();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].mode, FileRequest::Mode::kSave);
    EXPECT_EQ(files.requests[0].folder, session->paths.userFolder);
    EXPECT_EQ(files.requests[0].fileName, "New profile.qvp");
    EXPECT_EQ(CheckProfileFile(added).result, PROFILE_FILE_OK);
    dialog.OnAdd();
    ASSERT_EQ(dialog.List().rowCount(), 5);
    EXPECT_EQ(Cell(dialog, 3, CKeyloom_DlgProfile::kNameColumn), "New profile");
    EXPECT_EQ(Cell(dialog, 4, CKeyloom_DlgProfile::kNameColumn), "z");
}

TEST_F(ProfileManagerTest, TheManagerClosesAsCancelledWhenTheKeyboardGoesAway) {
    CKeyloom_DlgProfile& dialog = OpenWith(0);
    Check(dialog, 1);
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_TRUE(Eventually([&] { return !dialog.isVisible(); }));
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_FALSE(dialog.Unapplied());
    ASSERT_EQ(ZozSim_Plug(), 1);
    EXPECT_TRUE(Eventually([this] { return context->deviceCount > 0; }));
    EXPECT_EQ(KeyboardProfile(), 0);
}

}  // namespace
}  // namespace keyloom::test
