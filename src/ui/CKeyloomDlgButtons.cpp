#include "ui/CKeyloomDlg.h"

#include <QApplication>
#include <QCursor>

#include "platform/AppSettings.h"
#include "platform/Log.h"
#include "platform/SafeFormat.h"
#include "session/ActiveProfile.h"
#include "session/ApplyPipeline.h"
#include "session/KeyboardAccess.h"
#include "session/LanguageMessage.h"
#include "session/LightingOperations.h"
#include "session/ProfileOperations.h"
#include "storage/LanguageTables.h"
#include "storage/SkinFile.h"
#include "storage/SkinLayoutKeys.h"
#include "ui/MainButtonStyle.h"
#include "ui/MainWindowControls.h"

namespace keyloom {

namespace {

constexpr char kBackupFailedText[] = "MAIN_BACKUP_FAILED";

constexpr const char* kSettingsSection = "PROFILES";
constexpr const char* kFlipKey = "Flip";

struct ControlText {
    int control;
    const char* key;
};

// Captions drawn on the labelled buttons, and tooltips.
constexpr std::array kCaptions = {
    ControlText{CONTROL_PROFILE_1, "PROFILE_1"},     ControlText{CONTROL_PROFILE_2, "PROFILE_2"},
    ControlText{CONTROL_PROFILE_3, "PROFILE_3"},     ControlText{CONTROL_MACRO, "PROFILE_MACRO"},
    ControlText{CONTROL_DEFAULT, "PROFILE_DEFAULT"}, ControlText{CONTROL_OK, "PROFILE_OK"},
    ControlText{CONTROL_CANCEL, "PROFILE_CANCLE"},   ControlText{CONTROL_APPLY, "PROFILE_APPLY"},
};
constexpr std::array kTooltips = {
    ControlText{CONTROL_MINIMISE, "MAIN_MINIMIZE_PROMPT"},
    ControlText{CONTROL_MENU, "MAIN_MENU_PROMPT"},
    ControlText{CONTROL_CLOSE, "MAIN_CLOSE_PROMPT"},
    ControlText{CONTROL_HELP, "MAIN_HELP_PROMPT"},
};
// Buttons that open the maker's pages; no address means the link of the skin file.
struct LinkButton {
    int control;
    const char* address;
};
constexpr std::array kLinkButtons = {
    LinkButton{CONTROL_SKIN_LINK, nullptr},
    LinkButton{CONTROL_MAKER_LINK, SKIN_DEFAULT_LINK},
    LinkButton{CONTROL_NETWORK_LINK, SKIN_DEFAULT_LINK},
    LinkButton{CONTROL_COMMUNITY_LINK, "https://keyloom.example/community/"},
    LinkButton{CONTROL_NEWS_LINK, "https://keyloom.example/news/"},
};

// What a button or a menu command, by its id, does.
struct WindowAction {
    int id;
    void (*run)(CKeyloomDlg& window);
};

// The buttons of SKINNED_CONTROLS not here are indicators.
constexpr std::array kButtonActions = {
    WindowAction{CONTROL_MACRO, [](CKeyloomDlg& w) { w.OnMacroButton(); }},
    WindowAction{CONTROL_PROFILE_MANAGER, [](CKeyloomDlg& w) { w.OnProfileManager(); }},
    WindowAction{CONTROL_PROFILE_1, [](CKeyloomDlg& w) { w.OnProfileButton(1); }},
    WindowAction{CONTROL_PROFILE_2, [](CKeyloomDlg& w) { w.OnProfileButton(2); }},
    WindowAction{CONTROL_PROFILE_3, [](CKeyloomDlg& w) { w.OnProfileButton(3); }},
    WindowAction{CONTROL_DEFAULT, [](CKeyloomDlg& w) { w.OnDefaultButton(); }},
    WindowAction{CONTROL_REPORT_RATE_1, [](CKeyloomDlg& w) { w.OnReportRateButton(1); }},
    WindowAction{CONTROL_REPORT_RATE_2, [](CKeyloomDlg& w) { w.OnReportRateButton(2); }},
    WindowAction{CONTROL_REPORT_RATE_3, [](CKeyloomDlg& w) { w.OnReportRateButton(3); }},
    WindowAction{CONTROL_REPORT_RATE_4, [](CKeyloomDlg& w) { w.OnReportRateButton(4); }},
    WindowAction{CONTROL_APPLY, [](CKeyloomDlg& w) { w.OnApply(); }},
    WindowAction{CONTROL_OK, [](CKeyloomDlg& w) { w.OnOk(); }},
    WindowAction{CONTROL_CANCEL, [](CKeyloomDlg& w) { w.OnCancel(); }},
    WindowAction{CONTROL_MENU, [](CKeyloomDlg& w) { w.OnMenu(); }},
    WindowAction{CONTROL_HELP, [](CKeyloomDlg& w) { w.OnHelp(); }},
    WindowAction{CONTROL_MINIMISE, [](CKeyloomDlg& w) { w.OnMinimise(); }},
    WindowAction{CONTROL_CLOSE, [](CKeyloomDlg& w) { w.Exit(); }},
    WindowAction{CONTROL_SKIN_LINK, [](CKeyloomDlg& w) { w.OnLink(CONTROL_SKIN_LINK); }},
    WindowAction{CONTROL_MAKER_LINK, [](CKeyloomDlg& w) { w.OnLink(CONTROL_MAKER_LINK); }},
    WindowAction{CONTROL_NETWORK_LINK, [](CKeyloomDlg& w) { w.OnLink(CONTROL_NETWORK_LINK); }},
    WindowAction{CONTROL_COMMUNITY_LINK, [](CKeyloomDlg& w) { w.OnLink(CONTROL_COMMUNITY_LINK); }},
    WindowAction{CONTROL_NEWS_LINK, [](CKeyloomDlg& w) { w.OnLink(CONTROL_NEWS_LINK); }},
    WindowAction{CONTROL_FLIP_1, [](CKeyloomDlg& w) { w.OnFlipButton(); }},
    WindowAction{CONTROL_FLIP_2, [](CKeyloomDlg& w) { w.OnFlipButton(); }},
};

constexpr std::array kMenuCommands = {
    WindowAction{COMMAND_TRAY_OPEN, [](CKeyloomDlg& w) { w.OnShow(); }},
    WindowAction{COMMAND_TRAY_ABOUT, [](CKeyloomDlg& w) { w.OnAbout(); }},
    WindowAction{COMMAND_ABOUT, [](CKeyloomDlg& w) { w.OnAbout(); }},
    WindowAction{COMMAND_TRAY_EXIT, [](CKeyloomDlg& w) { w.Exit(); }},
    WindowAction{COMMAND_EXIT, [](CKeyloomDlg& w) { w.Exit(); }},
    WindowAction{COMMAND_MINIMISE, [](CKeyloomDlg& w) { w.OnMinimise(); }},
    WindowAction{COMMAND_MENU_RESTORE, [](CKeyloomDlg& w) { w.OnRestore(); }},
    WindowAction{COMMAND_MENU_BACKUP, [](CKeyloomDlg& w) { w.OnBackup(); }},
    WindowAction{CMD_ID_FIRMWARE_UPDATE, [](CKeyloomDlg& w) { w.OnFirmwareUpdate(); }},
};

// What the action of this id does, null for none.
const WindowAction* ActionOf(std::span<const WindowAction> actions, uintptr_t id) {
    for (const WindowAction& action : actions) {
        if (static_cast<uintptr_t>(action.id) == id) {
            return &action;
        }
    }
    return nullptr;
}

}  // namespace

void CKeyloomDlg::AddCommandButtons() {
    for (const SkinnedControl& item : SKINNED_CONTROLS) {
        auto* button = new CPngButton(this);
        PlaceSkinnedControl(button, item.skinKey);
        if (const WindowAction* action =
                ActionOf(kButtonActions, static_cast<uintptr_t>(item.control))) {
            connect(button, &CPngButton::clicked, this, [this, action] { action->run(*this); });
        } else {
            button->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        m_controls[item.control] = button;
    }
    for (const ControlText& caption : kCaptions) {
        m_controls[caption.control]->SetTextStyle(MainButtonTextStyle());
    }
    m_controls[CONTROL_PROFILE_MANAGER]->SetTextStyle(MainButtonTextStyle());
    m_controls[CONTROL_VERSION]->setEnabled(false);
    const ButtonSurfaces flipSurfaces = {m_keySurfaces.normal, m_keySurfaces.normal,
                                         m_keySurfaces.normal, m_keySurfaces.normal,
                                         m_keySurfaces.marked};
    m_controls[CONTROL_FLIP_INDICATOR]->SetSurfaces(flipSurfaces);
}

void CKeyloomDlg::LabelButtons(int slot) {
    for (const ControlText& tooltip : kTooltips) {
        m_controls[tooltip.control]->SetTip(LanguageText(tooltip.key, slot), true);
    }
    for (const ControlText& caption : kCaptions) {
        m_controls[caption.control]->setText(LanguageText(caption.key, slot));
    }
}

void CKeyloomDlg::SetApplyEnabled(bool enabled) {
    Control(CONTROL_APPLY)->setEnabled(enabled);
}

void CKeyloomDlg::SetProfileCaption(const QString& caption, const QString& tooltip) {
    CPngButton* button = Control(CONTROL_PROFILE_MANAGER);
    button->setText(caption);
    button->SetTip(tooltip, true);
}

void CKeyloomDlg::OnProfileButton(int number) {
    const int profile = number - 1;
    m_lighting.SelectProfile(profile);
    ReadLightingAndPresets();
    if (m_lighting.view) {
        m_panel->LightingViewOff();
    }
    if (GetActiveProfile(m_session) == profile) {
        return;
    }
    if (SelectProfile(m_session, profile)) {
        MarkProfileButtons();
    }
}

void CKeyloomDlg::OnReportRateButton(int number) {
    MarkReportRate(number - 1);
    const auto rate = static_cast<uint8_t>(m_reportRate);
    LightingContext lighting = Lighting();
    // Lighting writes go unchecked: the next read shows what the keyboard took.
    (void)WriteLightingBytes(lighting, LIGHT_REPORT_RATE, &rate, 1);
}

void CKeyloomDlg::OnDefaultButton() {
    RestoreDefaults(m_session, [this] {
        if (m_lighting.view) {
            m_panel->RestoreDefaultLighting();
        }
    });
    RedrawKeyMarks();
}

void CKeyloomDlg::OnFlipButton() {
    // The indicator shows what the settings file holds, so a lost write shows as no change.
    (void)WriteAppSetting(m_session.paths.applicationTitle, kSettingsSection, kFlipKey,
                          ReadFlip() == 0 ? "1" : "0");
    ApplyFlip();
}

void CKeyloomDlg::ApplyFlip() {
    const bool flip = ReadFlip() != 0;
    for (const int control : CONTROL_FLIPPED_KEYS) {
        m_keyboard->Button(control)->setEnabled(m_keyboard->Placed(control) && !flip);
    }
    m_controls[CONTROL_FLIP_INDICATOR]->SetMarked(flip);
    PlaceArrowControl(m_arrows[0], SKIN_LEFT_ARROW, ArrowFaceSkinKey(true, flip));
    PlaceArrowControl(m_arrows[1], SKIN_RIGHT_ARROW, ArrowFaceSkinKey(false, flip));
}

int CKeyloomDlg::ReadFlip() const {
    return GetAppSettingInt(m_session.paths.applicationTitle, kSettingsSection, kFlipKey, 0);
}

void CKeyloomDlg::OnApply() {
    ApplyChanges(m_session);
}

void CKeyloomDlg::OnOk() {
    ApplyChangesAndHide(m_session);
}

void CKeyloomDlg::OnCancel() {
    HideWindow();
}

void CKeyloomDlg::OnHelp() {
    m_services.openDocument(m_session.paths.executableFolder + "Help/index.html");
}

void CKeyloomDlg::OnMinimise() {
    showMinimized();
}

void CKeyloomDlg::OnLink(int control) {
    for (const LinkButton& link : kLinkButtons) {
        if (link.control == control) {
            m_services.openDocument(
                link.address != nullptr ? link.address : ReadSkinScreen(SkinFile().Path()).link);
        }
    }
}

void CKeyloomDlg::OnProfileManager() {
    emit OpenProfileManager();
}

void CKeyloomDlg::OnFirmwareUpdate() {
    emit OpenFirmwareUpdate();
}

CKeyloom_DlgProfile& CKeyloomDlg::ProfileManager() {
    if (!m_profileManager) {
        m_profileManager = std::make_unique<CKeyloom_DlgProfile>(
            m_session,
            ProfileDialogServices{m_services.files, [this] { OnHelp(); },
                                  [this] { OnProfileChangedOnKeyboard(); }},
            this);
    }
    return *m_profileManager;
}

void CKeyloomDlg::ManageProfiles() {
    (void)ProfileManager().Run();
}

bool CKeyloomDlg::ProfileManagerHasChanges() const {
    return m_profileManager && m_profileManager->IsOpen() && m_profileManager->Unapplied();
}

void CKeyloomDlg::MarkProfileInManager(int profile) {
    if (m_profileManager && m_profileManager->IsOpen()) {
        m_profileManager->MarkProfile(profile);
    }
}

CKeyloom_DlgUpdate& CKeyloomDlg::UpdateDialog() {
    if (!m_updateDialog) {
        m_updateDialog = std::make_unique<CKeyloom_DlgUpdate>(m_session, m_services.files, this);
    }
    return *m_updateDialog;
}

void CKeyloomDlg::UpdateFirmware() {
    // A second request while the dialog is up only brings it forward.
    if (m_updateDialog && m_updateDialog->isVisible()) {
        m_updateDialog->raise();
        m_updateDialog->activateWindow();
        return;
    }
    (void)UpdateDialog().Run();
}

void CKeyloomDlg::OnMacroButton() {
    const int lastGKey = G_KEYS_PER_BANK - 1;
    RequestKeySettings(GKeySlot(m_session.channels.MacroKeyBank(), lastGKey), CONTROL_G9, true);
}

void CKeyloomDlg::MarkProfileButtons() {
    const int active = m_session.context.activeProfileCache;
    for (size_t i = 0; i < CONTROL_PROFILES.size(); ++i) {
        m_controls[CONTROL_PROFILES[i]]->SetMarked(static_cast<int>(i) == active);
    }
}

void CKeyloomDlg::ReadLighting() {
    LightingContext lighting = Lighting();
    (void)ReadLightingState(lighting);  // a failed read keeps the values shown
    m_panel->RefreshLightingPanel();
}

void CKeyloomDlg::ReadLightingAndPresets() {
    LightingContext lighting = Lighting();
    (void)ReadLightingState(lighting);  // a failed read keeps the values shown
    if (m_lighting.modes.Contains(MODE_USER)) {
        m_panel->ReloadUserPresets();
    }
    m_panel->RefreshLightingPanel();
}

void CKeyloomDlg::MarkReportRate(int index) {
    m_reportRate = index;
    MarkReportRateButtons();
}

void CKeyloomDlg::MarkReportRateButtons() {
    for (size_t i = 0; i < CONTROL_REPORT_RATES.size(); ++i) {
        m_controls[CONTROL_REPORT_RATES[i]]->SetMarked(static_cast<int>(i) == m_reportRate);
    }
}

void CKeyloomDlg::OnMenu() {
    m_backupMenu.popup(QCursor::pos());
}

void CKeyloomDlg::OnCommand(uintptr_t command, intptr_t) {
    if (const WindowAction* action = ActionOf(kMenuCommands, command)) {
        action->run(*this);
    }
}

void CKeyloomDlg::OnBackup() {
    const auto path = m_services.files.Choose(ProfileFileRequest(FileRequest::Mode::kSave));
    if (!path) {
        return;
    }
    if (ExportProfileFile(m_session, *path) != PROFILE_FILE_OK) {
        m_port.ShowMessage(kBackupFailedText,
                           FormatWithString(LangText(kBackupFailedText, LanguageSlot(),
                                                     m_session.paths.executableFolder),
                                            *path),
                           MessageButtons::kOk);
    }
}

void CKeyloomDlg::OnRestore() {
    if (const auto path = m_services.files.Choose(ProfileFileRequest(FileRequest::Mode::kOpen))) {
        // A refused or unwritten backup has told the user already.
        (void)ImportProfileFile(m_session, *path);
        RedrawKeyMarks();
    }
}

void CKeyloomDlg::OnAbout() {
    if (m_about) {
        return;
    }
    const QString link = QString::fromStdString(ReadSkinScreen(SkinFile().Path()).link);
    m_about = new CAboutDlg(
        link, [this](const char* key, int slot) { return LanguageText(key, slot); },
        [this] { OnHelp(); });
    m_about->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_about, &QDialog::finished, m_about, &QObject::deleteLater);
    m_about->ApplyLanguage(LanguageSlot());
    m_about->show();
}

void CKeyloomDlg::OnShow() {
    if (m_session.context.deviceCount == 0) {
        if (!ReportAccessProblem(m_session)) {
            ShowLanguageMessage(m_session, "MAIN_NO_DEVICE_PROMPT", MessageButtons::kOk);
        }
        return;
    }
    show();
    raise();
    activateWindow();
    LogInfo("the main window is shown");
    // A box or dialog that waits for an answer must not end up hidden behind the window.
    if (QWidget* waiting = QApplication::activeModalWidget();
        waiting != nullptr && waiting != this) {
        waiting->raise();
        waiting->activateWindow();
    }
}

}  // namespace keyloom
