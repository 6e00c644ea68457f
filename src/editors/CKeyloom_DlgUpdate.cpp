#include "editors/CKeyloom_DlgUpdate.h"

#include <array>
#include <filesystem>
#include <utility>

#include "controls/ModalChildren.h"
#include "controls/PanelStyle.h"
#include "device/ConfigCommands.h"
#include "editors/EditorLook.h"
#include "platform/ProgramLauncher.h"
#include "session/ProfileOperations.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom {

namespace {

// The dialog's own texts: it takes none from the language files.
constexpr char kTitle[] = "固件更新";
constexpr char kNoProgramText[] = "请选择正确的更新文件! ";
constexpr char kNoBootModeText[] = "无法进入Boot模式! ";
constexpr char kNoLaunchText[] = "无法执行更新文件! ";
constexpr char kBackupDoneText[] = "备份成功!";
constexpr char kBackupFailedText[] = "备份失败,请重新备份!";

constexpr char kPackageFolder[] = "Package";

struct DialogButton {
    int control;
    const char* skinKey;
    const char* caption;
    void (CKeyloom_DlgUpdate::*onClick)();
};
constexpr std::array kButtons = {
    DialogButton{CKeyloom_DlgUpdate::kOpen, "CONTROL_OPENButton", "Open",
                 &CKeyloom_DlgUpdate::OnOpen},
    DialogButton{CKeyloom_DlgUpdate::kUpdate, "CONTROL_UPButton", "更新",
                 &CKeyloom_DlgUpdate::OnUpdate},
    DialogButton{CKeyloom_DlgUpdate::kCancelUpdate, "CONTROL_CUPButton", "取消更新",
                 &CKeyloom_DlgUpdate::OnCancelUpdate},
    DialogButton{CKeyloom_DlgUpdate::kBackup, "CONTROL_BACKUPButton", "备份",
                 &CKeyloom_DlgUpdate::OnBackup},
};

}  // namespace

CKeyloom_DlgUpdate::CKeyloom_DlgUpdate(KeyboardSession& session, FileChooser& files,
                                       QWidget* parent)
    : CBaseDialog(session.paths.executableFolder + SKIN_FOLDER + "/UpdateDlg.ini", parent),
      m_session(session),
      m_files(files) {
    CreateControls();
}

void CKeyloom_DlgUpdate::CreateControls() {
    const std::string skins = m_session.paths.executableFolder + SKIN_FOLDER + "/";
    const QImage normal = RenderSurface(skins + "update_normal.jpg");
    const QImage over = RenderSurface(skins + "update_over.jpg");
    SetStateSurfaces({normal, over, over, over, over});
    for (const DialogButton& entry : kButtons) {
        CPngButton* button = AddCaptionedButton(*this, entry.skinKey);
        button->setText(QString::fromUtf8(entry.caption));
        connect(button, &CPngButton::clicked, this, entry.onClick);
        m_buttons[entry.control] = button;
    }
    m_path.setParent(this);
    PlaceControl(&m_path, "CONTROL_UPStatic");
    StylePanelLineEdit(m_path);
    m_path.setReadOnly(true);
    PlaceEditorTitle(*this, m_title, "UPDATE_TITLE");
    m_title.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_title.setText(QString::fromUtf8(kTitle));
    setWindowTitle(m_title.text());
}

CPngButton* CKeyloom_DlgUpdate::Control(int control) const {
    const auto found = m_buttons.find(control);
    return found != m_buttons.end() ? found->second : nullptr;
}

int CKeyloom_DlgUpdate::Run() {
    ShowSelection();
    return ExecModalChild(*this, QDialog::Rejected);
}

std::string CKeyloom_DlgUpdate::PackageFolder() const {
    return m_session.paths.executableFolder + kPackageFolder;
}

void CKeyloom_DlgUpdate::Say(const char* text) {
    // A fixed text of this dialog, not one of the language files.
    (void)m_session.context.window->ShowMessage({}, text, MessageButtons::kOk);
}

void CKeyloom_DlgUpdate::ShowSelection() {
    m_path.setText(QString::fromStdString(m_program));
    update();
}

void CKeyloom_DlgUpdate::OnOpen() {
    FileRequest request;
    request.folder = PackageFolder();
    request.filters = {"*"};
    request.executablesOnly = true;
    m_program = m_files.Choose(request).value_or(std::string());
    // An update program started without a folder of its own runs in the Package folder, where
    // its files are.
    std::error_code ignored;
    std::filesystem::current_path(PackageFolder(), ignored);
    ShowSelection();
}

void CKeyloom_DlgUpdate::OnUpdate() {
    std::error_code ignored;
    if (m_program.empty() || !std::filesystem::exists(m_program, ignored)) {
        Say(kNoProgramText);
        return;
    }
    if (CmdEnterBoot(m_session.link.Exchange()) != 1) {
        Say(kNoBootModeText);
        return;
    }
    // Whatever happens now, the keyboard waits in its boot loader for the update program.
    const std::string program = std::exchange(m_program, {});
    ShowSelection();
    if (OpenProgram(program, {}) > OPEN_LAST_FAILURE) {
        accept();
        return;
    }
    Say(kNoLaunchText);
}

void CKeyloom_DlgUpdate::OnCancelUpdate() {
    m_program.clear();
    ShowSelection();
    reject();
}

void CKeyloom_DlgUpdate::OnBackup() {
    const auto path = m_files.Choose(ProfileFileRequest(FileRequest::Mode::kSave));
    if (!path) {
        return;
    }
    Say(ExportProfileFile(m_session, *path) == PROFILE_FILE_OK ? kBackupDoneText
                                                               : kBackupFailedText);
}

}  // namespace keyloom
