#include "ui/CKeyloomDlg.h"

#include <future>

#include "session/ActiveProfile.h"
#include "session/LanguageMessage.h"
#include "storage/LanguageTables.h"
#include "storage/SkinLayoutKeys.h"
#include "ui/MainWindowControls.h"
#include "ui/TrayIcons.h"

namespace keyloom {

namespace {

constexpr uint32_t kPreviewFirstDelay = 100;

}  // namespace

CKeyloomDlg::CKeyloomDlg(KeyboardSession& session, MainWindowServices services)
    : CBaseDialog(SkinPath(session, "Main.ini")),
      m_session(session),
      m_services(std::move(services)),
      m_port(*this, m_services.prompter),
      m_backupMenu(MENU_BACKUP_ITEMS, MenuTexts(), MenuCommands()),
      m_systemMenu(MENU_SYSTEM_ITEMS, MenuTexts(), MenuCommands()),
      m_tray(std::move(m_services.tray), MenuTexts(), MenuCommands()) {
    m_session.context.window = &m_port;
    m_session.context.activeProfileCache = NO_ACTIVE_PROFILE;
    LoadSurfaces();
    m_keyboard =
        std::make_unique<KeyboardView>(*this, [this](int control) { OnKeyClicked(control); });
    AddCommandButtons();
    AddArrows();
    m_panel = new LightingPanel(*this, *this, m_lighting,
                                m_session.paths.executableFolder + SKIN_FOLDER + "/",
                                m_session.paths.executableFolder);
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

CPngButton* CKeyloomDlg::Control(int control) const {
    const auto found = m_controls.find(control);
    return found != m_controls.end() ? found->second : m_keyboard->Button(control);
}

void CKeyloomDlg::HideWindow() {
    if (m_tray.Available()) {
        hide();
        return;
    }
    // Nothing would bring the window back from a notification area the desktop does not have.
    // The message comes first: raised while the window is hidden, it stays above the window when
    // that is shown, instead of waiting unseen behind it.
    if (!m_toldNoTray) {
        m_toldNoTray = true;
        ShowLanguageMessage(m_session, "MAIN_NO_TRAY_PROMPT", MessageButtons::kOk);
    }
    show();
}

void CKeyloomDlg::SetTrayIcon(int iconId) {
    m_tray.SetIcon(iconId);
}

std::string CKeyloomDlg::SkinPath(const KeyboardSession& session, const std::string& name) {
    return session.paths.executableFolder + SKIN_FOLDER + "/" + name;
}

void CKeyloomDlg::LoadSurfaces() {
    // Decoding these large pictures is a good part of the start; side by side it takes half.
    const auto decoding = [this](const char* name) {
        return std::async(std::launch::async,
                          [path = SkinPath(m_session, name)] { return RenderSurface(path); });
    };
    auto over = decoding("main_over.jpg");
    auto down = decoding("main_down.jpg");
    auto disabled = decoding("main_disable.jpg");
    auto arrow = decoding("Arrow.jpg");
    const QImage normal = RenderSurface(SkinPath(m_session, "main_normal.jpg"));
    m_keySurfaces = {normal, over.get(), down.get(), normal, disabled.get()};
    SetStateSurfaces(m_keySurfaces);
    SetArrowSurface(arrow.get());
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

QString CKeyloomDlg::LanguageText(const char* key, int slot) const {
    return QString::fromStdString(LangText(key, slot, m_session.paths.executableFolder));
}

CommandMenu::TextSource CKeyloomDlg::MenuTexts() {
    return [this](const char* key) { return Text(key); };
}

CommandMenu::CommandHandler CKeyloomDlg::MenuCommands() {
    return [this](int command) { OnCommand(static_cast<uintptr_t>(command), 0); };
}

LightingContext CKeyloomDlg::Lighting() {
    return {m_session.link.Exchange(), m_lighting, *this, m_services.userData};
}

bool CKeyloomDlg::SelectProfileAgain() {
    if (!SelectProfile(m_session, m_lighting.Profile())) {
        return false;
    }
    MarkProfileButtons();
    return true;
}

void CKeyloomDlg::PostSliderPosition(int control, int position) {
    m_port.PostMessage(UM_SLIDER_POS, static_cast<uintptr_t>(control), position);
}

}  // namespace keyloom
