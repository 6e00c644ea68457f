#include "editors/Keyloom_DlgComposite.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <algorithm>
#include <array>

#include "controls/ModalChildren.h"
#include "controls/PanelStyle.h"
#include "editors/CompositeControls.h"
#include "editors/EditorLook.h"
#include "editors/OnScreenKeyboard.h"
#include "model/AssignmentTable.h"
#include "model/KeyNames.h"
#include "model/MacroReferences.h"
#include "model/MediaFunctionTable.h"
#include "platform/TickCount.h"
#include "session/KeyEditing.h"
#include "session/LanguageMessage.h"
#include "session/SessionMessages.h"
#include "storage/LanguageTables.h"
#include "storage/MacroRecordDelaySetting.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom {

namespace {

int openDialogs = 0;  // window thread only

struct TabButton {
    int control;
    const char* skinKey;
    const char* caption;
    int page;
};
constexpr std::array kTabs = {
    TabButton{COMPOSITE_TAB_KEY, "CONTROL_KEY", "SINGLE_KEY", Keyloom_DlgComposite::kKeyPage},
    TabButton{COMPOSITE_TAB_MACRO, "CONTROL_MACRO", "MACRO_SETTING",
              Keyloom_DlgComposite::kMacroPage},
    TabButton{COMPOSITE_TAB_MEDIA, "CONTROL_MEDIA", "MULTI_MEDIA",
              Keyloom_DlgComposite::kMediaPage},
    TabButton{COMPOSITE_TAB_FUNCTION, "CONTROL_FUNCTION", "FUNCTION_KEY",
              Keyloom_DlgComposite::kFunctionPage},
};

constexpr std::array kHintKeys = {"SINGLE_STATIC", "MEDIA_EDIT_TISHI", "FUNCTION_TISHI"};
constexpr std::array kHintSkinKeys = {"TISHI_SINGLE_STATIC", "MEDIA_SETTING_TISHI",
                                      "FUNCTION_KEY_SETTING_TISHI"};

constexpr int kKeyEditPointSize = 18;
constexpr int kListPointSize = 12;
constexpr int kApplyGap = 8;  // between the Apply button and OK, which it stands left of

}  // namespace

Keyloom_DlgComposite::Keyloom_DlgComposite(KeyboardSession& session, CompositeServices services,
                                           QWidget* parent)
    : CBaseDialog(session.paths.executableFolder + SKIN_FOLDER + "/Composite.ini", parent),
      m_session(session),
      m_services(std::move(services)),
      m_capture(*this) {
    const std::string skins = session.paths.executableFolder + SKIN_FOLDER + "/";
    m_images = {CompositeImageSet(skins, "key", false), CompositeImageSet(skins, "macro", true),
                CompositeImageSet(skins, "macro2", true), CompositeImageSet(skins, "media", false),
                CompositeImageSet(skins, "function", false)};
    CreateControls();
    connect(&m_capture, &KeyCapture::captured, this, &Keyloom_DlgComposite::OnCaptured);
    connect(&m_capture, &KeyCapture::recorded, this,
            [this](ScanCode code, bool press) { m_macroPage->Record(code, press); });
}

Keyloom_DlgComposite::~Keyloom_DlgComposite() {
    if (m_open) {
        CloseSteps();
    }
}

int Keyloom_DlgComposite::OpenCount() {
    return openDialogs;
}

CPngButton* Keyloom_DlgComposite::AddImageButton(int control, const char* skinKey,
                                                 void (Keyloom_DlgComposite::*onClick)()) {
    CPngButton* button = AddCaptionedButton(*this, skinKey);
    if (onClick != nullptr) {
        connect(button, &CPngButton::clicked, this, onClick);
    } else {
        button->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_buttons[control] = button;
    return button;
}

QLabel* Keyloom_DlgComposite::AddText(const char* skinKey) {
    auto* label = new QLabel(this);
    PlaceControl(label, skinKey);
    StylePanelLabel(*label);
    label->setWordWrap(true);
    return label;
}

void Keyloom_DlgComposite::CreateControls() {
    SetStateSurfaces(m_images.key);
    AddImageButton(COMPOSITE_PAGE_PICTURE, "CONTROL_MASK", nullptr)->lower();
    AddImageButton(COMPOSITE_TITLE_PICTURE, "CONTROL_TITLE", nullptr);
    for (const TabButton& tab : kTabs) {
        CPngButton* button = AddImageButton(tab.control, tab.skinKey, nullptr);
        button->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        ButtonTextStyle tabStyle = CompositeCaptionStyle();
        tabStyle.colors.marked = tabStyle.colors.pressed;  // the tab of the page shown
        button->SetTextStyle(tabStyle);
        connect(button, &CPngButton::clicked, this, [this, page = tab.page] { ShowTab(page); });
    }
    AddImageButton(COMPOSITE_CLEAR, "CONTROL_CLEAR", &Keyloom_DlgComposite::OnClear);
    AddImageButton(COMPOSITE_OK, "CONTROL_OK", &Keyloom_DlgComposite::OnOk);
    AddImageButton(COMPOSITE_CANCEL, "CONTROL_CANCEL", &Keyloom_DlgComposite::OnCancel);
    CPngButton* osk = AddImageButton(COMPOSITE_OSK, "CONTROL_OSK", nullptr);
    osk->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    connect(osk, &CPngButton::clicked, this, [] {
        if (const auto program = FindOnScreenKeyboard(qEnvironmentVariable("PATH").toStdString())) {
            (void)StartOnScreenKeyboard(*program);  // a failed start is logged by the launcher
        }
    });

    m_title = new QLabel(this);
    PlaceEditorTitle(*this, *m_title, "KEY_SETTING");
    for (size_t i = 0; i < m_hints.size(); ++i) {
        m_hints[i] = AddText(kHintSkinKeys[i]);
    }
    CreateKeyPage();
    CreateListPages();
    m_macroPage = std::make_unique<MacroPage>(
        *this, MacroPageServices{
                   m_session.paths.executableFolder + SKIN_FOLDER + "/",
                   [this](const char* key) { return Text(key); },
                   [this](const std::string& key) {
                       return ShowLanguageMessage(m_session, key.c_str(),
                                                  MessageButtons::kYesNoDefaultNo) ==
                              MessageAnswer::kYes;
                   },
                   [this](const std::string& key, const QString& text) {
                       (void)m_session.context.window->ShowMessage(key, text.toStdString(),
                                                                   MessageButtons::kOk);
                   },
                   [this](const MacroRecord& macro) {
                       std::lock_guard lock(m_session.context.profileLock);
                       return ConfirmMacroDelete(
                           macro, m_session.profile.Assignments(), [this](const std::string& key) {
                               return ShowLanguageMessage(m_session, key.c_str(),
                                                          MessageButtons::kYesNoDefaultNo) ==
                                      MessageAnswer::kYes;
                           });
                   },
                   [] { return TickCount(); },
                   [this] {
                       return ReadRecordDelaySetting(m_session.paths.applicationTitle,
                                                     RecordDelayValueName()) != 0;
                   },
                   [this](bool on) {
                       // The check box shows the choice for this run even when it cannot be stored.
                       (void)WriteRecordDelaySetting(m_session.paths.applicationTitle,
                                                     RecordDelayValueName(), on ? 1 : 0);
                   }});
    connect(m_macroPage.get(), &MacroPage::changed, this, &Keyloom_DlgComposite::EnableApply);
    connect(m_macroPage.get(), &MacroPage::recordingChanged, this, [this](bool on) {
        m_capture.SetMode(on ? KeyCapture::Mode::kRecord : KeyCapture::Mode::kOff);
    });

    m_apply.setParent(this);
    StylePanelPushButton(m_apply);
    const QRect ok = m_buttons.at(COMPOSITE_OK)->geometry();
    m_apply.setGeometry(ok.translated(-ok.width() - kApplyGap, 0));
    connect(&m_apply, &QPushButton::clicked, this, &Keyloom_DlgComposite::OnApply);
}

void Keyloom_DlgComposite::CreateKeyPage() {
    m_keyEdit.setParent(this);
    PlaceControl(&m_keyEdit, "FUNC_KEY_INPUT");
    m_keyEdit.setReadOnly(true);
    StylePanelLineEdit(m_keyEdit);
    QFont keyFont = PanelFont();
    keyFont.setPointSize(kKeyEditPointSize);
    m_keyEdit.setFont(keyFont);
    m_keyEdit.setAlignment(Qt::AlignCenter);
    m_keyboardBox.setParent(this);
    PlaceControl(&m_keyboardBox, "FUNC_KEY_RADIO_KB");
    StylePanelCheckBox(m_keyboardBox);
    m_mouseBox.setParent(this);
    PlaceControl(&m_mouseBox, "FUNC_KEY_RADIO_MOU");
    StylePanelCheckBox(m_mouseBox);
    m_keyboardLabel = AddText("FUNC_KEY_RADIO_KB_STATIC");
    m_mouseLabel = AddText("FUNC_KEY_RADIO_MOU_STATIC");
    connect(&m_keyboardBox, &QCheckBox::clicked, this, &Keyloom_DlgComposite::OnKeyboardBox);
    connect(&m_mouseBox, &QCheckBox::clicked, this, &Keyloom_DlgComposite::OnMouseBox);

    m_mouseList.setParent(this);
    StylePanelComboBox(m_mouseList);
    // The skin has no place of its own for the list: it stands below its check box's label.
    const QRect label = m_mouseLabel->geometry();
    m_mouseList.setGeometry(m_mouseBox.x(), label.bottom() + kApplyGap, m_keyEdit.width(),
                            m_keyEdit.height() * 2 / 3);
    for (size_t i = 0; i < MOUSE_FUNCTIONS.size(); ++i) {
        m_mouseList.addItem(QString());
    }
    connect(&m_mouseList, &QComboBox::activated, this, &Keyloom_DlgComposite::EnableApply);
}

void Keyloom_DlgComposite::CreateListPages() {
    QFont listFont = PanelFont();
    listFont.setPointSize(kListPointSize);
    const std::pair<QListWidget*, const char*> lists[] = {
        {&m_mediaList, "FUNC_MEDIA_SELECT"}, {&m_functionList, "FUNC_FUNCTION_SELECT"}};
    for (const auto& [list, key] : lists) {
        list->setParent(this);
        PlaceControl(list, key);
        StylePanelList(*list);
        list->setFont(listFont);
        connect(list, &QListWidget::itemClicked, this, &Keyloom_DlgComposite::EnableApply);
    }
    for (size_t i = 0; i < MediaFunctionTable.size(); ++i) {
        m_mediaList.addItem(QString());
    }
    for (int i = 0; i < FUNCTION_KEY_COUNT; ++i) {
        m_functionList.addItem(QString());
    }
}

void Keyloom_DlgComposite::Open(const KeyEditRequest& request) {
    SetUp(request);
    Position(request);
    show();
    raise();
    activateWindow();
}

int Keyloom_DlgComposite::Run(const KeyEditRequest& request) {
    SetUp(request);
    Position(request);
    return ExecModalChild(*this, QDialog::Rejected);
}

void Keyloom_DlgComposite::SetUp(const KeyEditRequest& request) {
    ++openDialogs;
    m_open = true;
    m_slot = request.slot;
    m_macroOnly = request.macroOnly;
    m_mediaList.setCurrentRow(0);
    m_functionList.setCurrentRow(0);
    m_mouseList.setCurrentIndex(0);
    {
        std::lock_guard lock(m_session.context.profileLock);
        m_macroPage->Load(m_session.profile.macros);
    }
    m_firstMacroPage = true;
    const KeyAssignment record = ReadKeyRecord(m_session, m_slot);
    m_pageKind = record.kind;
    m_openKind = record.kind;
    m_openValue = record.value;
    for (const int control : {COMPOSITE_TAB_KEY, COMPOSITE_TAB_MEDIA, COMPOSITE_TAB_FUNCTION,
                              COMPOSITE_CLEAR, COMPOSITE_TITLE_PICTURE}) {
        CPngButton* button = m_buttons.at(control);
        button->SetSurfaces(m_macroOnly ? m_images.macroOnly : m_images.key);
        button->setEnabled(!m_macroOnly || control == COMPOSITE_TITLE_PICTURE);
    }
    if (m_macroOnly) {
        m_pageKind = kMacroPage;
    }
    m_capturedKey = 0;
    ShowPage(true);
    m_apply.setEnabled(false);
    ApplyLanguage(LanguageSlot());
}

// Beside the button, where the dialog fits on the screen; centred when only the macros are edited.
void Keyloom_DlgComposite::Position(const KeyEditRequest& request) {
    const QScreen* screen = QGuiApplication::screenAt(request.button.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const QSize own = size();
    if (m_macroOnly) {
        move(area.center() - QPoint(own.width() / 2, own.height() / 2));
        return;
    }
    const QRect& b = request.button;
    const QPoint tries[] = {
        b.bottomRight(),
        QPoint(b.right(), b.top() - own.height()),
        QPoint(b.left() - own.width(), b.bottom()),
        QPoint(b.left() - own.width(), b.top() - own.height()),
    };
    for (const QPoint& at : tries) {
        if (area.contains(QRect(at, own))) {
            move(at);
            return;
        }
    }
    // Nowhere beside the button: as near to below right as the screen allows.
    move(std::clamp(tries[0].x(), area.left(), std::max(area.left(), area.right() - own.width())),
         std::clamp(tries[0].y(), area.top(), std::max(area.top(), area.bottom() - own.height())));
}

std::string Keyloom_DlgComposite::RecordDelayValueName() const {
    return Text(kRecordDelaySettingText).toStdString();
}

QString Keyloom_DlgComposite::Text(const char* key) const {
    return QString::fromStdString(LangText(key, m_languageSlot, m_session.paths.executableFolder));
}

std::string Keyloom_DlgComposite::KeyName(ScanCode code) const {
    return KeyNameOfScanCode(code, [this](const std::string& key) {
        return LangText(key, m_languageSlot, m_session.paths.executableFolder);
    });
}

void Keyloom_DlgComposite::ApplyLanguage(int slot) {
    m_languageSlot = slot;
    for (const TabButton& tab : kTabs) {
        const bool empty = m_macroOnly && tab.control != COMPOSITE_TAB_MACRO;
        m_buttons.at(tab.control)->setText(empty ? QString() : Text(tab.caption));
    }
    m_buttons.at(COMPOSITE_OK)->setText(Text("MACRO_OK"));
    m_buttons.at(COMPOSITE_CANCEL)->setText(Text("MACRO_CANCLE"));
    m_apply.setText(Text("PROFILE_APPLY"));
    m_buttons.at(COMPOSITE_CLEAR)->SetTip(Text("COMPOSITE_PROMPT_CLEAR"), true);
    const bool osk = FindOnScreenKeyboard(qEnvironmentVariable("PATH").toStdString()).has_value();
    m_buttons.at(COMPOSITE_OSK)->setEnabled(osk);
    m_buttons.at(COMPOSITE_OSK)
        ->SetTip(Text(osk ? "COMPOSITE_PROMPT_OSK" : "COMPOSITE_PROMPT_NO_OSK"), true);
    m_title->setText(Text(m_macroOnly ? "MACRO_EDIT_TISHI" : "KEY_SETTING_TISHI"));
    for (size_t i = 0; i < m_hints.size(); ++i) {
        m_hints[i]->setText(Text(kHintKeys[i]));
    }
    m_keyboardLabel->setText(Text("IDS_MACRO_KB_KEY"));
    m_mouseLabel->setText(Text("IDS_MACRO_MOU_KEY"));
    for (size_t i = 0; i < MOUSE_FUNCTIONS.size(); ++i) {
        m_mouseList.setItemText(static_cast<int>(i), Text(MOUSE_FUNCTIONS[i].textKey));
    }
    for (size_t i = 0; i < MediaFunctionTable.size(); ++i) {
        m_mediaList.item(static_cast<int>(i))
            ->setText(QString::fromStdString(KeyName(MediaFunctionTable[i].scanCode)));
    }
    for (int i = 0; i < FUNCTION_KEY_COUNT; ++i) {
        const std::string key = "FUNC_KEY_DESC" + std::to_string(i + 1);
        m_functionList.item(i)->setText(Text(key.c_str()));
    }
    ShowCapturedKey();
    m_macroPage->ApplyLanguage();
}

QWidget* Keyloom_DlgComposite::Control(int control) const {
    if (control == COMPOSITE_APPLY) {
        return const_cast<QPushButton*>(&m_apply);
    }
    const auto found = m_buttons.find(control);
    return found != m_buttons.end() ? found->second : nullptr;
}

bool Keyloom_DlgComposite::ApplyEnabled() const {
    return m_apply.isEnabled();
}

void Keyloom_DlgComposite::EnableApply() {
    m_apply.setEnabled(true);
}

void Keyloom_DlgComposite::OnApply() {
    m_macroPage->FinishEditing();
    m_macroPage->StopRecording();
    MacroList edited = m_macroPage->EditedMacros();
    if (KeepsOpenRecord()) {
        std::lock_guard lock(m_session.context.profileLock);
        AssignmentTable table = m_session.profile.Assignments();
        (void)ReplaceMacroList(m_session.profile.macros, std::move(edited), table);
    } else {
        // A profile that is not known stores nothing; the keys show what is stored.
        (void)StoreKeyRecord(m_session, m_slot, ComposedRecord(), std::move(edited));
    }
    m_services.redrawKeyMarks();
    m_apply.setEnabled(false);
}

void Keyloom_DlgComposite::OnOk() {
    OnApply();
    done(QDialog::Accepted);
}

void Keyloom_DlgComposite::OnCancel() {
    done(QDialog::Rejected);
}

void Keyloom_DlgComposite::done(int result) {
    if (m_open) {
        CloseSteps();
    }
    CBaseDialog::done(result);
}

void Keyloom_DlgComposite::CloseSteps() {
    m_capture.SetMode(KeyCapture::Mode::kOff);
    m_macroPage->StopRecording();
    m_apply.setEnabled(false);
    --openDialogs;
    m_open = false;
}

// Help would take the keys the recorder is waiting for.
void Keyloom_DlgComposite::OnHelpKey() {
    if (!m_macroPage->Recording()) {
        m_services.openHelp();
    }
}

}  // namespace keyloom
