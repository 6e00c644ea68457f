#pragma once

#include <QLabel>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

#include "controls/CBaseDialog.h"
#include "controls/FileChooser.h"
#include "editors/CKeyloom_DlgProfile.h"
#include "editors/CKeyloom_DlgUpdate.h"
#include "editors/Keyloom_DlgComposite.h"
#include "platform/NamedEvents.h"
#include "session/KeyboardSession.h"
#include "session/LightingContext.h"
#include "session/LightingDisplay.h"
#include "session/LightingState.h"
#include "session/SessionAwayFlag.h"
#include "storage/UserDataFolder.h"
#include "ui/CAboutDlg.h"
#include "ui/CTrayIcon.h"
#include "ui/KeyboardView.h"
#include "ui/LightingPanel.h"
#include "ui/LoginSessionWatcher.h"
#include "ui/MessagePrompter.h"
#include "ui/QtWindowPort.h"
#include "ui/WindowSurface.h"

namespace keyloom {

// What the main window works with besides the keyboard session; tests give scripted ones.
struct MainWindowServices {
    MessagePrompter& prompter;
    FileChooser& files;
    std::unique_ptr<TrayArea> tray;
    UserDataFolder userData;
    // Opens a document or web address in the user's program for it.
    std::function<void(const std::string& pathOrUrl)> openDocument;
};

// The key the key settings dialog edits: a key's KeyIndex or 0x100 + G-key slot, the control
// that was clicked and whether only the macro page is offered.
struct KeySettingsRequest {
    int keyCode = 0;
    int control = 0;
    bool macroOnly = false;
};

// The main window: the keyboard picture with its buttons, the profile, report-rate and other
// buttons around it, the tray icon and the window's life from start-up to exit. Its handlers call
// the core and redraw.
// Its members are defined by concern: CKeyloomDlgKeyboard.cpp the keyboard area,
// CKeyloomDlgButtons.cpp the button bar and menus, CKeyloomDlgMessages.cpp the window's messages
// and exit, CKeyloomDlg.cpp the construction and what they share.
class CKeyloomDlg : public CBaseDialog,
                    public WindowSurface,
                    private LightingDisplay,
                    private LightingPanelHost {
    Q_OBJECT

  public:
    CKeyloomDlg(KeyboardSession& session, MainWindowServices services);
    ~CKeyloomDlg() override;

    // The start-up of the window: the device channels, the marks and captions, UM_INIT posted
    // and the preview timer armed. The window stays hidden.
    void Initialise();
    // The exit operation: hides the window, closes every box and dialog above it, emits exited()
    // and lets everything go. Inside a modal loop the waiting for other threads is left to
    // FinishExit(), which the application calls once its event loop has ended.
    void Exit();
    // The end of the exit: waits for the session's threads and frees the profile data. Runs once.
    void FinishExit();

    QtWindowPort& Port() { return m_port; }
    KeyboardView& Keyboard() { return *m_keyboard; }
    CTrayIcon& Tray() { return m_tray; }
    CPngButton* Control(int control) const;
    // The key settings the window asked for, in order; the key settings dialog takes them over.
    const std::vector<KeySettingsRequest>& KeySettingsRequests() const { return m_keyRequests; }
    int ReportRateIndex() const { return m_reportRate; }
    // The lighting the window shows and edits, and the panel that edits it.
    LightingState& LightingModel() { return m_lighting; }
    LightingPanel& Panel() { return *m_panel; }
    const UserDataFolder& UserData() const { return m_services.userData; }
    // The busy animation's frame now shown, 0 to 9.
    int BusyFrame() const { return m_busyFrame; }
    bool Exited() const { return m_exited; }
    const SessionAwayFlag& Away() const { return m_away; }
    const NamedEvents& MainEvents() const { return m_mainEvents; }
    // The window's own menu of the window system's kind (minimise, About).
    CommandMenu& SystemMenu() { return m_systemMenu; }

    // WindowSurface
    intptr_t HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void SetApplyEnabled(bool enabled) override;
    // Into the notification area; on a desktop without one the window stays shown, which the
    // user is told once.
    void HideWindow() override;
    void SetTrayIcon(int iconId) override;
    void SetBusyPictureVisible(bool visible) override;
    void SetProfileCaption(const QString& caption, const QString& tooltip) override;
    void RedrawKeyMarks() override;
    bool KeyEditorOpen() const override { return Keyloom_DlgComposite::OpenCount() > 0; }
    bool ProfileManagerHasChanges() const override;
    void MarkProfileInManager(int profile) override;
    bool MainWindowShown() const override { return isVisible(); }

    // Runs the key settings dialog for the request, the clicked button highlighted meanwhile.
    void EditKey(const KeySettingsRequest& request);
    // The key settings dialog, made when first asked for.
    Keyloom_DlgComposite& KeyEditor();
    // Runs the profile manager, and the firmware update dialog; each is made when first asked for.
    void ManageProfiles();
    CKeyloom_DlgProfile& ProfileManager();
    void UpdateFirmware();
    CKeyloom_DlgUpdate& UpdateDialog();

    // The buttons' actions, as their clicks run them.
    void OnKeyClicked(int control);
    void OnProfileButton(int number);
    void OnReportRateButton(int number);
    void OnDefaultButton();
    void OnFlipButton();
    void OnBackup();
    void OnRestore();
    void OnApply();
    void OnOk();
    void OnCancel();
    void OnMenu();
    void OnHelp();
    void OnMinimise();
    void OnMacroButton();
    void OnProfileManager();
    void OnFirmwareUpdate();
    // A button that opens one of the maker's pages.
    void OnLink(int control);
    void OnAbout();
    void OnShow();

  signals:
    // The key settings dialog is asked for the key.
    void OpenKeySettings(int keyCode);
    // The profile manager is asked for.
    void OpenProfileManager();
    // The firmware update dialog is asked for, by the window's menu or by another process.
    void OpenFirmwareUpdate();
    void exited();

  protected:
    void OnHelpKey() override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void reject() override;

  private:
    // LightingDisplay: the key frames; the mode and preset boxes belong to the lighting panel.
    void ClearModeBox() override { m_panel->ClearModeBox(); }
    int SelectedModeItem() const override { return m_panel->SelectedModeItem(); }
    void SetKeyFrame(int control, bool on, Color color) override;
    void FillPresetBox(std::span<const std::string> names) override {
        m_panel->FillPresetBox(names);
    }

    // LightingPanelHost, besides the above.
    LightingContext Lighting() override;
    bool SelectProfileAgain() override;
    void ClearKeyFrames() override;
    void MarkReportRate(int index) override;
    void PostSliderPosition(int control, int position) override;
    void ResumePreview() override;

    // The path of a file in the skins folder.
    static std::string SkinPath(const KeyboardSession& session, const std::string& name);
    void LoadSurfaces();
    void AddArrows();
    // The text of a language key in the current language, or in the language of `slot`.
    QString Text(const char* key) const;
    QString LanguageText(const char* key, int slot) const;
    // The menus' texts and where their commands go.
    CommandMenu::TextSource MenuTexts();
    CommandMenu::CommandHandler MenuCommands();

    // The keyboard area.
    void RequestKeySettings(int keyCode, int control, bool macroOnly);
    // The marks and tooltips of the key buttons and of the bank's G keys.
    void ShowAssignments(int profile, int bank);

    // The button bar and the menus.
    void AddCommandButtons();
    // The captions and tooltips of the buttons in the language of `slot`.
    void LabelButtons(int slot);
    void MarkProfileButtons();
    void MarkReportRateButtons();
    // Reads the lighting state of the profile in view and shows it on the panel.
    void ReadLighting();
    // The same, the user presets reloaded in between when the keyboard has the user mode.
    void ReadLightingAndPresets();
    void ApplyFlip();
    int ReadFlip() const;
    void OnCommand(uintptr_t command, intptr_t);

    // The window's messages and its exit.
    void OnInit(uintptr_t, intptr_t);
    void OnOpen(uintptr_t, intptr_t);
    void OnKill(uintptr_t, intptr_t);
    void OnLanguage(uintptr_t, intptr_t slot);
    void OnBankChanged(uintptr_t, intptr_t);
    void OnProfileReload(uintptr_t, intptr_t);
    void OnDeviceGone(uintptr_t, intptr_t);
    void OnTimer(uintptr_t id, intptr_t);
    void OnSessionChange(uintptr_t event, intptr_t);
    void OnSliderPosition(uintptr_t control, intptr_t position);
    // The keyboard's new active profile was read: the window and its lighting follow it.
    void OnProfileChangedOnKeyboard();
    // The busy animation's frame m_busyFrame.
    void ShowBusyFrame();
    void ReleaseWindowThings();
    // The profile and device image are freed once no thread uses them any more.

    KeyboardSession& m_session;
    MainWindowServices m_services;
    QtWindowPort m_port;
    ButtonSurfaces m_keySurfaces;
    std::unique_ptr<KeyboardView> m_keyboard;
    std::map<int, CPngButton*> m_controls;
    std::array<CPngButton*, 2> m_arrows{};
    QLabel m_busyPicture;
    int m_busyFrame = 0;
    CommandMenu m_backupMenu;
    CommandMenu m_systemMenu;
    CTrayIcon m_tray;
    QPointer<CAboutDlg> m_about;
    LightingState m_lighting;
    LightingPanel* m_panel = nullptr;  // a child of the window
    std::unique_ptr<Keyloom_DlgComposite> m_keyEditor;
    std::unique_ptr<CKeyloom_DlgProfile> m_profileManager;
    std::unique_ptr<CKeyloom_DlgUpdate> m_updateDialog;
    int m_reportRate = 0;
    std::vector<KeySettingsRequest> m_keyRequests;
    bool m_exiting = false;
    bool m_exited = false;
    bool m_toldNoTray = false;  // that the window stays shown for want of a notification area
    NamedEvents m_mainEvents;
    SessionAwayFlag m_away;
    LoginSessionWatcher m_sessionWatcher;
};

}  // namespace keyloom
