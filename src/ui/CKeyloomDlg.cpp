#include "ui/CKeyloomDlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPixmap>
#include <future>

#include "controls/ModalChildren.h"
#include "model/KeyButtonTable.h"
#include "model/MacroList.h"
#include "platform/AppSettings.h"
#include "platform/SafeFormat.h"
#include "session/ActiveProfile.h"
#include "session/ApplyPipeline.h"
#include "session/LanguageMessage.h"
#include "session/LightingOperations.h"
#include "session/ProfileOperations.h"
#include "session/SessionMessages.h"
#include "session/TransportCallback.h"
#include "session/UserLighting.h"
#include "storage/LanguageTables.h"
#include "storage/SkinLayoutKeys.h"
#include "ui/MainButtonStyle.h"
#include "ui/MainWindowControls.h"
#include "ui/TrayIcons.h"

namespace keyloom {

namespace {

constexpr char kBackupFailedText[] = "MAIN_BACKUP_FAILED";

constexpr uint32_t kPreviewFirstDelay = 100;
constexpr uint32_t kPreviewPeriod = 50;
constexpr int kBusyFrames = 10;

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

std::string SkinsFolder(const KeyboardSession& session) {
    return session.paths.executableFolder + SKIN_FOLDER + "/";
}

// Runs `wait` on a thread of its own while the window thread keeps handling the calls that the
// waited-for threads make, so that none of them stays blocked on the window.
void WaitHandlingEvents(const std::function<void()>& wait) {
    std::future<void> done = std::async(std::launch::async, wait);
    while (done.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
}

}  // namespace

CKeyloomDlg::CKeyloomDlg(KeyboardSession& session, MainWindowServices services)
    : CBaseDialog(SkinsFolder(session) + "Main.ini"),
      m_session(session),
      m_services(std::move(services)),
      m_port(*this, m_services.prompter),
      m_backupMenu(
          MENU_BACKUP_ITEMS, [this](const char* key) { return Text(key); },
          [this](int command) { OnCommand(static_cast<uintptr_t>(command), 0); }),
      m_systemMenu(
          MENU_SYSTEM_ITEMS, [this](const char* key) { return Text(key); },
          [this](int command) { OnCommand(static_cast<uintptr_t>(command), 0); }),
      m_tray(
          std::move(m_services.tray), [this](const char* key) { return Text(key); },
          [this](int command) { OnCommand(static_cast<uintptr_t>(command), 0); }) {
    m_session.context.window = &m_port;
    m_session.context.activeProfileCache = NO_ACTIVE_PROFILE;
    LoadSurfaces();
    m_keyboard =
        std::make_unique<KeyboardView>(*this, [this](int control) { OnKeyClicked(control); });
    AddCommandButtons();
    AddArrows();
    m_busyPicture.setParent(this);
    PlaceControl(&m_busyPicture, SKIN_BUSY_PICTURE);
    m_busyPicture.hide();
    setWindowIcon(TrayIconPicture(TRAY_ICON_NO_KEYBOARD));
    setWindowTitle(Text("MAIN_CAPTION"));
    SetApplyEnabled(false);
}

CKeyloomDlg::~CKeyloomDlg() {
    FinishExit();
}

void CKeyloomDlg::Initialise() {
    // Presets that could not be copied read as empty ones; the file errors are logged.
    (void)m_services.userData.PrepareFirstRun();
    StartDeviceChannels(m_session);
    ApplyFlip();
    m_mainEvents.Create(UserEventPrefix(MAIN_EVENT_PREFIX), MAIN_EVENT_COUNT);
    m_port.PostMessage(UM_INIT, TAG_INIT, 0);
    m_port.SendMessage(UM_LANGUAGE, TAG_LANG, LanguageSlot());
    m_sessionWatcher.Register(
        [this](uint32_t event) { m_port.PostMessage(MSG_SESSION_CHANGE, event, 0); });
    m_port.SetTimer(TIMER_PREVIEW, kPreviewFirstDelay);
}

void CKeyloomDlg::Exit() {
    if (m_exiting) {
        return;
    }
    m_exiting = true;
    hide();
    ReleaseWindowThings();
    emit exited();
    // Inside a modal loop the threads may wait for the box that loop shows; the rest of the
    // cleanup then follows once the loops have ended.
    if (!ModalLoopRunning()) {
        FinishExit();
    }
}

void CKeyloomDlg::FinishExit() {
    if (m_exited) {
        return;
    }
    if (!m_exiting) {
        m_exiting = true;
        ReleaseWindowThings();
    }
    delete m_about;
    WaitHandlingEvents([this] {
        AttachKeyboardSession(nullptr);
        WaitForSessionThreads(m_session);
    });
    {
        std::lock_guard lock(m_session.context.profileLock);
        m_session.profile = WorkingProfile{};
    }
    {
        std::lock_guard lock(m_session.context.deviceImageLock);
        m_session.deviceImage = DeviceImage{};
    }
    m_exited = true;
}

CPngButton* CKeyloomDlg::Control(int control) const {
    const auto found = m_controls.find(control);
    return found != m_controls.end() ? found->second : m_keyboard->Button(control);
}

intptr_t CKeyloomDlg::HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    struct MessageHandler {
        uint32_t message;
        std::optional<uint32_t> tag;
        void (CKeyloomDlg::*handle)(uintptr_t wParam, intptr_t lParam);
    };
    static const std::array kHandlers = {
        MessageHandler{UM_INIT, TAG_INIT, &CKeyloomDlg::OnInit},
        MessageHandler{UM_OPEN, TAG_OPEN, &CKeyloomDlg::OnOpen},
        MessageHandler{UM_KILL, TAG_KILL, &CKeyloomDlg::OnKill},
        MessageHandler{UM_LANGUAGE, TAG_LANG, &CKeyloomDlg::OnLanguage},
        MessageHandler{UM_BANK_CHANGED, TAG_BANK, &CKeyloomDlg::OnBankChanged},
        MessageHandler{UM_PROFILE_RELOAD, TAG_PROF, &CKeyloomDlg::OnProfileReload},
        MessageHandler{UM_DEVICE_GONE, std::nullopt, &CKeyloomDlg::OnDeviceGone},
        MessageHandler{MSG_TIMER, std::nullopt, &CKeyloomDlg::OnTimer},
        MessageHandler{MSG_COMMAND, std::nullopt, &CKeyloomDlg::OnCommand},
        MessageHandler{MSG_SESSION_CHANGE, std::nullopt, &CKeyloomDlg::OnSessionChange},
    };
    const intptr_t result = HandleSessionMessage(m_session, message, wParam, lParam);
    if (message == MSG_TIMER && wParam == TIMER_PROFILE_CHANGED && result == 1) {
        OnProfileChangedOnKeyboard();
    }
    for (const MessageHandler& handler : kHandlers) {
        if (handler.message == message && (!handler.tag || *handler.tag == wParam)) {
            (this->*handler.handle)(wParam, lParam);
        }
    }
    return result;
}

void CKeyloomDlg::SetApplyEnabled(bool enabled) {
    Control(CONTROL_APPLY)->setEnabled(enabled);
}

void CKeyloomDlg::HideWindow() {
    hide();
}

void CKeyloomDlg::SetTrayIcon(int iconId) {
    m_tray.SetIcon(iconId);
}

void CKeyloomDlg::SetBusyPictureVisible(bool visible) {
    m_busyFrame = 0;
    m_busyPicture.setPixmap(QPixmap(QString::fromStdString(SkinsFolder(m_session) + "jdt1.bmp")));
    m_busyPicture.setVisible(visible);
}

void CKeyloomDlg::SetProfileCaption(const QString& caption, const QString& tooltip) {
    CPngButton* button = Control(CONTROL_PROFILE_MANAGER);
    button->setText(caption);
    button->SetTip(tooltip, true);
}

void CKeyloomDlg::RedrawKeyMarks() {
    const int profile = GetActiveProfile(m_session);
    const int bank = m_session.channels.MacroKeyBank();
    const TextLookup text = [this](const std::string& key) { return SessionText(m_session, key); };
    const MacroNameLookup macroName = [this](uint32_t id) {
        const MacroRecord* macro = FindMacroById(m_session.profile.macros, id);
        return macro != nullptr ? macro->Name() : std::string();
    };
    {
        std::lock_guard lock(m_session.context.profileLock);
        const AssignmentTable table = m_session.profile.Assignments();
        for (const KeyButton& key : KeyButtons()) {
            m_keyboard->ShowKey(
                key.code, DescribeAssignment(KeyNameOfScanCode(key.code, text),
                                             table.EntryOf(profile, IndexOfScanCode(key.code)),
                                             text, macroName));
        }
        for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
            m_keyboard->ShowGKey(
                position, DescribeAssignment(GKeyTitle(position),
                                             table.EntryOf(profile, GKeySlot(bank, position)), text,
                                             macroName));
        }
    }
    m_keyboard->ShowGKeyMarks(CurrentGKeyMarks(m_session));
    Control(CONTROL_BANK_INDICATOR)->SetMarked(bank != 0);
    ApplyFlip();
}

void CKeyloomDlg::OnKeyClicked(int control) {
    const int gKey = KeyboardView::GKeyPosition(control);
    if (gKey >= 0) {
        RequestKeySettings(GKeySlot(m_session.channels.MacroKeyBank(), gKey), control,
                           control == CONTROL_G9);
        return;
    }
    if (m_lighting.view) {
        LightingContext lighting = Lighting();
        // Lighting writes go unchecked: the next read shows what the keyboard took.
        (void)PaintKey(lighting, control);
        return;
    }
    const int index = LightingButtonIndexOfControl(control);
    if (index >= 0 && static_cast<size_t>(index) < KEY_BUTTON_COUNT) {
        RequestKeySettings(IndexOfScanCode(KeyButtons()[static_cast<size_t>(index)].code), control,
                           false);
    }
}

void CKeyloomDlg::OnProfileButton(int number) {
    const int profile = number - 1;
    m_lighting.SelectProfile(profile);
    LightingContext lighting = Lighting();
    (void)ReadLightingState(lighting);  // a failed read keeps the values shown
    ShowLightingRead();
    if (GetActiveProfile(m_session) == profile) {
        return;
    }
    if (SelectProfile(m_session, profile) == 1) {
        MarkProfileButtons();
    }
}

void CKeyloomDlg::OnReportRateButton(int number) {
    m_reportRate = number - 1;
    MarkReportRateButtons();
    const auto rate = static_cast<uint8_t>(m_reportRate);
    LightingContext lighting = Lighting();
    (void)WriteLightingBytes(lighting, LIGHT_REPORT_RATE, &rate, 1);  // unchecked, as above
}

void CKeyloomDlg::OnDefaultButton() {
    RestoreDefaults(m_session, [this] {
        if (m_lighting.view) {
            LightingContext lighting = Lighting();
            (void)WriteDefaultLighting(lighting);  // unchecked, as above
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

void CKeyloomDlg::OnBackup() {
    const auto path = m_services.files.ChooseBackupToSave();
    if (!path) {
        return;
    }
    int saved = 0;
    {
        std::lock_guard lock(m_session.context.profileLock);
        saved = ExportProfileFile(m_session, *path);
    }
    if (saved != 1) {
        m_port.ShowMessage(kBackupFailedText,
                           FormatWithString(LangText(kBackupFailedText, LanguageSlot(),
                                                     m_session.paths.executableFolder),
                                            *path),
                           MessageButtons::kOk);
    }
}

void CKeyloomDlg::OnRestore() {
    if (const auto path = m_services.files.ChooseBackupToOpen()) {
        // A refused or unwritten backup has told the user already.
        (void)ImportProfileFile(m_session, *path);
        RedrawKeyMarks();
    }
}

void CKeyloomDlg::OnApply() {
    ApplyChanges(m_session);
}

void CKeyloomDlg::OnOk() {
    ApplyChangesAndHide(m_session);
}

void CKeyloomDlg::OnCancel() {
    hide();
}

void CKeyloomDlg::OnMenu() {
    m_backupMenu.popup(QCursor::pos());
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

void CKeyloomDlg::OnMacroButton() {
    const int lastGKey = G_KEYS_PER_BANK - 1;
    RequestKeySettings(GKeySlot(m_session.channels.MacroKeyBank(), lastGKey), CONTROL_G9, true);
}

void CKeyloomDlg::OnAbout() {
    if (m_about) {
        return;
    }
    const QString link = QString::fromStdString(ReadSkinScreen(SkinFile().Path()).link);
    m_about = new CAboutDlg(
        link,
        [this](const char* key, int slot) {
            return QString::fromStdString(LangText(key, slot, m_session.paths.executableFolder));
        },
        [this] { OnHelp(); });
    m_about->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_about, &QDialog::finished, m_about, &QObject::deleteLater);
    m_about->ApplyLanguage(LanguageSlot());
    m_about->show();
}

void CKeyloomDlg::OnShow() {
    if (m_session.context.deviceCount == 0) {
        ShowLanguageMessage(m_session, "MAIN_NO_DEVICE_PROMPT", MessageButtons::kOk);
        return;
    }
    show();
    raise();
    activateWindow();
}

void CKeyloomDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        case Qt::Key_F1:
            event->accept();
            OnHelp();
            return;
        default:
            CBaseDialog::keyPressEvent(event);
    }
}

void CKeyloomDlg::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void CKeyloomDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCancel();
}

// A skinned window has no frame of the window system's, so the background offers its menu.
void CKeyloomDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (childAt(event->pos()) != nullptr) {
        event->ignore();
        return;
    }
    m_systemMenu.popup(event->globalPos());
}

void CKeyloomDlg::reject() {
    OnCancel();
}

void CKeyloomDlg::SetKeyFrame(int control, bool on, Color color) {
    if (CPngButton* button = m_keyboard->Button(control)) {
        button->SetOutline(color, OUTLINE_STRENGTH_MAX / 2, on);
    }
}

void CKeyloomDlg::LoadSurfaces() {
    const std::string folder = SkinsFolder(m_session);
    const QImage normal = RenderSurface(folder + "main_normal.jpg");
    const QImage disabled = RenderSurface(folder + "main_disable.jpg");
    m_keySurfaces = {normal, RenderSurface(folder + "main_over.jpg"),
                     RenderSurface(folder + "main_down.jpg"), normal, disabled};
    SetStateSurfaces(m_keySurfaces);
    SetArrowSurface(RenderSurface(folder + "Arrow.jpg"));
}

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

void CKeyloomDlg::AddArrows() {
    for (CPngButton*& arrow : m_arrows) {
        arrow = new CPngButton(this);
        arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

QString CKeyloomDlg::Text(const char* key) const {
    return QString::fromStdString(SessionText(m_session, key));
}

LightingContext CKeyloomDlg::Lighting() {
    return {m_session.link.Exchange(), m_lighting, *this, m_services.userData};
}

void CKeyloomDlg::OnInit(uintptr_t, intptr_t) {
    m_tray.Create(TRAY_ICON_NO_KEYBOARD);
    UpdateProfileCaption(m_session);
    m_port.SetInitComplete(true);
    HideWindow();
}

void CKeyloomDlg::OnOpen(uintptr_t, intptr_t) {
    OnShow();
}

void CKeyloomDlg::OnKill(uintptr_t, intptr_t) {
    Exit();
}

void CKeyloomDlg::OnLanguage(uintptr_t, intptr_t slot) {
    const auto text = [this, slot](const char* key) {
        return QString::fromStdString(
            LangText(key, static_cast<int>(slot), m_session.paths.executableFolder));
    };
    if (m_about) {
        m_about->ApplyLanguage(static_cast<int>(slot));
    }
    for (const ControlText& tooltip : kTooltips) {
        m_controls[tooltip.control]->SetTip(text(tooltip.key), true);
    }
    for (const ControlText& caption : kCaptions) {
        m_controls[caption.control]->setText(text(caption.key));
    }
    setWindowTitle(text("MAIN_CAPTION"));
}

void CKeyloomDlg::OnBankChanged(uintptr_t, intptr_t) {
    RedrawKeyMarks();
}

void CKeyloomDlg::OnProfileReload(uintptr_t, intptr_t) {
    MarkProfileButtons();
    LightingContext lighting = Lighting();
    (void)ReadLightingState(lighting);  // a failed read keeps the values shown
    ShowLightingRead();
    RedrawKeyMarks();
}

void CKeyloomDlg::OnDeviceGone(uintptr_t, intptr_t) {
    CloseModalChildren(this);
    HideWindow();
}

void CKeyloomDlg::OnTimer(uintptr_t id, intptr_t) {
    LightingContext lighting = Lighting();
    switch (id) {
        case TIMER_BUSY:
            m_busyFrame = (m_busyFrame + 1) % kBusyFrames;
            m_busyPicture.setPixmap(QPixmap(QString::fromStdString(
                SkinsFolder(m_session) + "jdt" + std::to_string(m_busyFrame + 1) + ".bmp")));
            break;
        case TIMER_PREVIEW:
            m_port.KillTimer(TIMER_PREVIEW);
            m_port.SetTimer(TIMER_PREVIEW, kPreviewPeriod);
            break;
        case TIMER_LIGHTING_CHANGED:
            (void)ReadLightingState(lighting);  // a failed read keeps the values shown
            ShowLightingRead();
            break;
        default:
            break;
    }
}

void CKeyloomDlg::OnProfileChangedOnKeyboard() {
    LightingContext lighting = Lighting();
    // A lighting read that fails keeps the values shown.
    (void)FollowKeyboardProfile(lighting, m_session.context.activeProfileCache);
    MarkProfileButtons();
    ShowLightingRead();
    RedrawKeyMarks();
}

void CKeyloomDlg::OnCommand(uintptr_t command, intptr_t) {
    if (const WindowAction* action = ActionOf(kMenuCommands, command)) {
        action->run(*this);
    }
}

void CKeyloomDlg::OnSessionChange(uintptr_t event, intptr_t) {
    m_away.OnSessionChange(static_cast<uint32_t>(event));
}

void CKeyloomDlg::RequestKeySettings(int keyCode, int control, bool macroOnly) {
    m_keyRequests.push_back({keyCode, control, macroOnly});
    emit OpenKeySettings(keyCode);
}

void CKeyloomDlg::MarkProfileButtons() {
    const int active = m_session.context.activeProfileCache;
    for (size_t i = 0; i < CONTROL_PROFILES.size(); ++i) {
        m_controls[CONTROL_PROFILES[i]]->SetMarked(static_cast<int>(i) == active);
    }
}

void CKeyloomDlg::ShowLightingRead() {
    m_reportRate = m_lighting.values.reportRate;
    MarkReportRateButtons();
}

void CKeyloomDlg::MarkReportRateButtons() {
    for (size_t i = 0; i < CONTROL_REPORT_RATES.size(); ++i) {
        m_controls[CONTROL_REPORT_RATES[i]]->SetMarked(static_cast<int>(i) == m_reportRate);
    }
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

// Other threads stop reaching the window and give up waiting for it, and every box and dialog
// above it is answered with its cancel button.
void CKeyloomDlg::ReleaseWindowThings() {
    m_session.ending = true;
    m_port.Close();
    CloseModalChildren(this);
    m_mainEvents.Close();
    m_tray.Remove();
    m_port.SetApplyEnabled(false);
}

}  // namespace keyloom
