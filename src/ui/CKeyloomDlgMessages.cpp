#include "ui/CKeyloomDlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <future>

#include "controls/ModalChildren.h"
#include "session/ActiveProfile.h"
#include "session/KeyboardAccess.h"
#include "session/LightingOperations.h"
#include "session/ProfileOperations.h"
#include "session/SessionMessages.h"
#include "session/TransportCallback.h"

namespace keyloom {

namespace {

constexpr uint32_t kPreviewPeriod = 50;
constexpr int kBusyFrames = 10;

// Runs `wait` on a thread of its own while the window thread keeps handling the calls that the
// waited-for threads make, so that none of them stays blocked on the window.
void WaitHandlingEvents(const std::function<void()>& wait) {
    std::future<void> done = std::async(std::launch::async, wait);
    while (done.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
}

}  // namespace

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
        MessageHandler{UM_SLIDER_POS, std::nullopt, &CKeyloomDlg::OnSliderPosition},
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

void CKeyloomDlg::OnInit(uintptr_t, intptr_t) {
    m_tray.Create(TRAY_ICON_NO_KEYBOARD);
    UpdateProfileCaption(m_session);
    m_port.SetInitComplete(true);
    HideWindow();
    // Said once at start-up; Open says it again in place of "no keyboard".
    ReportAccessProblem(m_session);
}

void CKeyloomDlg::OnOpen(uintptr_t, intptr_t) {
    OnShow();
}

void CKeyloomDlg::OnKill(uintptr_t, intptr_t) {
    Exit();
}

void CKeyloomDlg::OnLanguage(uintptr_t, intptr_t slot) {
    const int language = static_cast<int>(slot);
    if (m_about) {
        m_about->ApplyLanguage(language);
    }
    LabelButtons(language);
    m_panel->ApplyLanguage(language);
    if (m_keyEditor) {
        m_keyEditor->ApplyLanguage(language);
    }
    if (m_profileManager) {
        m_profileManager->ApplyLanguage(language);
    }
    setWindowTitle(LanguageText("MAIN_CAPTION", language));
}

void CKeyloomDlg::OnBankChanged(uintptr_t, intptr_t) {
    RedrawKeyMarks();
}

void CKeyloomDlg::OnProfileReload(uintptr_t, intptr_t) {
    MarkProfileButtons();
    ReadLightingAndPresets();
    RedrawKeyMarks();
}

void CKeyloomDlg::OnDeviceGone(uintptr_t, intptr_t) {
    CloseModalChildren(this);
    HideWindow();
}

void CKeyloomDlg::OnTimer(uintptr_t id, intptr_t) {
    switch (id) {
        case TIMER_BUSY:
            m_busyFrame = (m_busyFrame + 1) % kBusyFrames;
            ShowBusyFrame();
            break;
        case TIMER_PREVIEW:
            m_port.KillTimer(TIMER_PREVIEW);
            m_panel->PreviewTick();
            ResumePreview();
            break;
        case TIMER_LIGHTING_CHANGED:
            ReadLighting();
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
    m_panel->RefreshLightingPanel();
    RedrawKeyMarks();
}

void CKeyloomDlg::OnSessionChange(uintptr_t event, intptr_t) {
    m_away.OnSessionChange(static_cast<uint32_t>(event));
}

void CKeyloomDlg::OnSliderPosition(uintptr_t control, intptr_t position) {
    m_panel->OnSliderPosition(static_cast<int>(control), static_cast<int>(position));
}

void CKeyloomDlg::SetBusyPictureVisible(bool visible) {
    m_busyFrame = 0;
    ShowBusyFrame();
    m_busyPicture.setVisible(visible);
}

void CKeyloomDlg::ShowBusyFrame() {
    const std::string picture = "jdt" + std::to_string(m_busyFrame + 1) + ".bmp";
    m_busyPicture.setPixmap(QPixmap(QString::fromStdString(SkinPath(m_session, picture))));
}

void CKeyloomDlg::OnHelpKey() {
    OnHelp();
}

void CKeyloomDlg::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void CKeyloomDlg::showEvent(QShowEvent* event) {
    CBaseDialog::showEvent(event);
    ResumePreview();
}

// The preview plays only while there is something to see: the window shown with the lighting view
// on. Otherwise it rests, so that the tool idle in the tray or with the view off does not wake
// twenty times a second.
void CKeyloomDlg::ResumePreview() {
    if (isVisible() && m_lighting.view && !m_port.TimerActive(TIMER_PREVIEW)) {
        m_port.SetTimer(TIMER_PREVIEW, kPreviewPeriod);
    }
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
    ReleaseProfileData(m_session);
    m_exited = true;
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
