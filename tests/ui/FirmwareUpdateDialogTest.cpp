#include "editors/CKeyloom_DlgUpdate.h"

#include <sys/stat.h>

#include <QSignalSpy>
#include <filesystem>
#include <fstream>

#include "MainWindowFixture.h"
#include "session/WindowMessages.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

const QString kChooseAgain = QString::fromUtf8("请选择正确的更新文件! ");
const QString kCannotRun = QString::fromUtf8("无法执行更新文件! ");
const QString kBackupDone = QString::fromUtf8("备份成功!");
const QString kBackupFailed = QString::fromUtf8("备份失败,请重新备份!");
// The boot command: report id 4, no checksum, then the command byte twice.
const std::vector<int> kBootStart = {0x04, 0x00, 0x00, 0xee, 0xee};

class FirmwareUpdateDialogTest : public MainWindowTest {
  protected:
    CKeyloom_DlgUpdate& Dialog() {
        Start();
        return window->UpdateDialog();
    }

    // A file at `path` with the text and the permission bits.
    static std::string Written(const std::string& path, const std::string& text, mode_t mode) {
        std::ofstream(path) << text;
        chmod(path.c_str(), mode);
        return path;
    }

    std::vector<std::string> BootRequests() const {
        std::vector<std::string> boots;
        for (const std::string& line : TraceLines('N')) {
            const std::vector<int> bytes = TraceBytes(line);
            if (std::equal(kBootStart.begin(), kBootStart.end(), bytes.begin())) {
                boots.push_back(line);
            }
        }
        return boots;
    }
};

TEST_F(FirmwareUpdateDialogTest, UpdateWithoutAProgramAsksForOneAndSendsNothing) {
    CKeyloom_DlgUpdate& dialog = Dialog();
    dialog.OnUpdate();
    EXPECT_EQ(prompter.shownTexts, std::vector<QString>{kChooseAgain});
    EXPECT_TRUE(TraceLines('N').empty());
}

TEST_F(FirmwareUpdateDialogTest, OpenStartsInThePackageFolderAndACancelForgetsTheChoice) {
    CKeyloom_DlgUpdate& dialog = Dialog();
    const std::string program = Written(MakeTemporaryFolder() + "/update", "", 0755);
    files.answers = {program};
    dialog.OnOpen();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].folder, std::string(KEYLOOM_BIN_DIR) + "Package");
    EXPECT_TRUE(files.requests[0].executablesOnly);
    EXPECT_EQ(dialog.SelectedProgram(), program);
    EXPECT_EQ(dialog.PathField().text().toStdString(), program);

    dialog.OnOpen();  // cancelled
    EXPECT_EQ(dialog.SelectedProgram(), "");
    EXPECT_EQ(dialog.PathField().text(), "");
}

TEST_F(FirmwareUpdateDialogTest, AProgramThatCannotStartMustBeChosenAgain) {
    CKeyloom_DlgUpdate& dialog = Dialog();
    files.answers = {Written(MakeTemporaryFolder() + "/not-a-program", "data", 0644)};
    dialog.OnOpen();
    dialog.OnUpdate();
    EXPECT_EQ(prompter.shownTexts, std::vector<QString>{kCannotRun});
    EXPECT_EQ(BootRequests().size(), 1u);
    EXPECT_EQ(dialog.SelectedProgram(), "");
    EXPECT_EQ(dialog.PathField().text(), "");
    EXPECT_TRUE(Eventually([this] { return context->deviceCount > 0; }));
    dialog.OnUpdate();
    EXPECT_EQ(prompter.shownTexts.back(), kChooseAgain);
    EXPECT_EQ(BootRequests().size(), 1u);
}

TEST_F(FirmwareUpdateDialogTest, UpdateSendsTheKeyboardToBootStartsTheProgramAndSeesItReturn) {
    CKeyloom_DlgUpdate& dialog = Dialog();
    const std::string folder = MakeTemporaryFolder();
    const std::string marker = folder + "/started";
    files.answers = {
        Written(folder + "/update.sh", "#!/bin/sh\necho started > '" + marker + "'\n", 0755)};
    dialog.OnOpen();
    dialog.OnUpdate();
    EXPECT_TRUE(prompter.shownTexts.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(BootRequests().size(), 1u);
    EXPECT_EQ(TraceLines('N').size(), 1u);
    EXPECT_TRUE(Eventually([&] { return std::filesystem::exists(marker); }));
    EXPECT_TRUE(Eventually([this] { return window->Tray().IconId() == TRAY_ICON_NO_KEYBOARD; }));
    EXPECT_TRUE(Eventually([this] {
        return context->deviceCount > 0 && window->Tray().IconId() == TRAY_ICON_KEYBOARD;
    }));
}

TEST_F(FirmwareUpdateDialogTest, BackupSaysWhetherTheFileWasWritten) {
    CKeyloom_DlgUpdate& dialog = Dialog();
    const std::string backup = MakeTemporaryFolder() + "/before-update.qvp";
    // Not even root may create files in /proc.
    files.answers = {"/proc/before-update.qvp", backup};
    dialog.OnBackup();
    dialog.OnBackup();
    EXPECT_EQ(prompter.shownTexts, (std::vector<QString>{kBackupFailed, kBackupDone}));
    EXPECT_TRUE(std::filesystem::exists(backup));
    EXPECT_EQ(files.requests.back().defaultSuffix, "qvp");
    dialog.OnBackup();  // cancelled: nothing said
    EXPECT_EQ(prompter.shownTexts.size(), 2u);
}

TEST_F(FirmwareUpdateDialogTest, TheUpdateCommandAsksForTheDialog) {
    Start();
    QSignalSpy asked(window.get(), &CKeyloomDlg::OpenFirmwareUpdate);
    window->HandleMessage(MSG_COMMAND, CMD_ID_FIRMWARE_UPDATE, 0);
    EXPECT_EQ(asked.count(), 1);
}

}  // namespace
}  // namespace keyloom::test
