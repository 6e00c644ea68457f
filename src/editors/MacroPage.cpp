#include "editors/MacroPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QThread>
#include <algorithm>

#include "controls/CBaseDialog.h"
#include "controls/CNumberBox.h"
#include "controls/CPngButton.h"
#include "controls/PanelStyle.h"
#include "editors/EditorLook.h"
#include "editors/MacroEventList.h"
#include "editors/MacroNames.h"
#include "model/MacroEditing.h"
#include "platform/SafeFormat.h"

namespace keyloom {

namespace {

struct ButtonPlace {
    const char* skinKey;
    const char* captionKey;  // nullptr: the skin draws the button's icon
};

constexpr std::array<ButtonPlace, 9> kButtonPlaces = {{
    {"FUNC_MACRO_ADD", nullptr},
    {"FUNC_MACRO_DELETE", nullptr},
    {"FUNC_MACRO_RECORD", "A_RECORD"},
    {"FUNC_MACRO_DELETE2", "A_DELETE"},
    {"FUNC_MACRO_CLEAR", "A_CLEAR"},
    {"FUNC_MACRO_UP_TOP", "A_TOP"},
    {"FUNC_MACRO_UP", "A_UP"},
    {"FUNC_MACRO_DOWN", "A_DOWN"},
    {"FUNC_MACRO_DOWN_BOTTOM", "A_BOTTOM"},
}};

struct LabelPlace {
    const char* skinKey;
    const char* captionKey;
};

constexpr std::array<LabelPlace, 3> kLabelPlaces = {{
    {"MARCO_NAME_SETTING", "MACRO_NAME_SETTING"},
    {"FUNC_MACRO_RECORD_DELAY2", "RECORD_DELAY"},
    {"FUNC_MACRO_CYCLES_PROMPT", "MACRO_CYCLES"},
}};

constexpr const char* kStopRecordCaption = "MACRO_ACTION_STOP_RECORD";
constexpr const char* kRecordAgainCaption = "MACRO_ACTION_RECORD";
constexpr const char* kTooManyMacros = "MACRO_ERR_MAX";
constexpr const char* kNewMacroPrefix = "MACRO_NEW_PREFIX";
constexpr const char* kClearQuestion = "MACRO_ACTION_CLEAR_CONFIRM";

constexpr int kSmallestRepeat = 1;
constexpr int kLargestRepeat = 255;
// Between two tries of a new macro name.
constexpr unsigned long kNameRetryPauseMs = 16;

// Labels and the check box sit on the dialog's dark picture.
constexpr char kPageTextSheet[] = "color: rgb(228, 228, 228); background: transparent;";

}  // namespace

MacroPage::MacroPage(CBaseDialog& dialog, MacroPageServices services)
    : QObject(&dialog), m_dialog(dialog), m_services(std::move(services)) {
    CreateButtons();
    CreateFields();
    Connect();
    SetVisible(false);
}

void MacroPage::CreateButtons() {
    m_dialog.SetStateSurfaces(CompositeImageSet(m_services.skinFolder, "macro", true));
    for (size_t i = 0; i < kButtonPlaces.size(); ++i) {
        auto* button = new CPngButton(&m_dialog);
        button->SetTextStyle(CompositeCaptionStyle());
        button->setObjectName(QString::fromLatin1(kButtonPlaces[i].skinKey));
        m_dialog.PlaceSkinnedControl(button, kButtonPlaces[i].skinKey);
        m_buttons[i] = button;
        m_controls.push_back(button);
    }
}

void MacroPage::CreateFields() {
    for (size_t i = 0; i < kLabelPlaces.size(); ++i) {
        m_labels[i] = CreateLabel(kLabelPlaces[i].skinKey);
    }
    m_macroBox = new QComboBox(&m_dialog);
    m_macroBox->setEditable(true);
    m_macroBox->setInsertPolicy(QComboBox::NoInsert);
    m_macroBox->setCompleter(nullptr);
    StylePanelComboBox(*m_macroBox);
    Place(m_macroBox, "FUNC_MACRO_LIST");

    m_events = new MacroEventList(
        [this](const std::string& key) { return Text(key.c_str()).toStdString(); }, &m_dialog);
    Place(m_events, "FUNC_MACRO_LIST2");

    m_recordDelays = new QCheckBox(&m_dialog);
    StylePanelCheckBox(*m_recordDelays);
    Place(m_recordDelays, "FUNC_MACRO_RECORD_DELAY");

    m_repeat = new CNumberBox(&m_dialog);
    Place(m_repeat, "FUNC_MACRO_CYCLES");
}

QLabel* MacroPage::CreateLabel(const char* skinKey) {
    auto* label = new QLabel(&m_dialog);
    StylePanelLabel(*label);
    label->setStyleSheet(QString::fromLatin1(kPageTextSheet));
    Place(label, skinKey);
    return label;
}

// Controls are named after their skin keys.
void MacroPage::Place(QWidget* control, const char* skinKey) {
    control->setObjectName(QString::fromLatin1(skinKey));
    m_dialog.PlaceControl(control, skinKey);
    m_controls.push_back(control);
}

void MacroPage::Connect() {
    connect(m_buttons[kAdd], &CPngButton::clicked, this, &MacroPage::AddMacro);
    connect(m_buttons[kDeleteMacro], &CPngButton::clicked, this, &MacroPage::DeleteMacro);
    connect(m_buttons[kRecord], &CPngButton::clicked, this, &MacroPage::ToggleRecording);
    connect(m_buttons[kDeleteEvent], &CPngButton::clicked, this, &MacroPage::DeleteEvent);
    connect(m_buttons[kClear], &CPngButton::clicked, this, &MacroPage::ClearEvents);
    for (const RowMove move : {RowMove::kTop, RowMove::kUp, RowMove::kDown, RowMove::kBottom}) {
        connect(m_buttons[kTop + static_cast<int>(move)], &CPngButton::clicked, this,
                [this, move] { MoveEvent(move); });
    }
    connect(m_macroBox, &QComboBox::currentIndexChanged, this, &MacroPage::Select);
    connect(m_macroBox->lineEdit(), &QLineEdit::textEdited, this, &MacroPage::Rename);
    connect(m_events, &MacroEventList::edited, this, &MacroPage::changed);
    connect(m_events, &MacroEventList::pauseEditStarted, this, &MacroPage::StopRecording);
    connect(m_events, &MacroEventList::delayClipped, this, &MacroPage::TellDelayClipped);
    connect(m_recordDelays, &QCheckBox::toggled, this, &MacroPage::RecordDelaysToggled);
    connect(m_repeat, &QLineEdit::textChanged, this, &MacroPage::RepeatEdited);
}

void MacroPage::SetVisible(bool visible) {
    for (QWidget* control : m_controls) {
        control->setVisible(visible);
    }
}

void MacroPage::ApplyLanguage() {
    for (size_t i = 0; i < kButtonPlaces.size(); ++i) {
        if (kButtonPlaces[i].captionKey != nullptr) {
            m_buttons[i]->setText(Text(kButtonPlaces[i].captionKey));
        }
    }
    for (size_t i = 0; i < kLabelPlaces.size(); ++i) {
        m_labels[i]->setText(Text(kLabelPlaces[i].captionKey));
    }
    if (m_recording) {
        m_buttons[kRecord]->setText(Text(kStopRecordCaption));
    }
    m_events->SetTitles(
        {Text("MACRO_KEYS_TISHI"), Text("MACRO_ACTION_TISHI"), Text("MACRO_DELAY_MS")});
}

void MacroPage::Load(const MacroList& macros) {
    StopRecording();
    m_macros = macros;
    QStringList names;
    for (MacroRecord& macro : m_macros) {
        macro.SetIsNew(false);
        names << QString::fromStdString(macro.Name());
    }
    {
        const QSignalBlocker blocker(m_macroBox);
        m_macroBox->clear();
        m_macroBox->addItems(names);
    }
    m_current = -1;
    Select(-1);
    m_repeat->setText(QString::number(kSmallestRepeat));
    m_firstLaterShowing = true;
    m_recordDelaysOn = m_services.readRecordDelays();
    const QSignalBlocker blocker(m_recordDelays);
    m_recordDelays->setChecked(m_recordDelaysOn);
    m_services.writeRecordDelays(m_recordDelaysOn);
}

void MacroPage::ShowInitial(uint32_t macroId) {
    if (HasMacros()) {
        Select(MacroPositionOfId(m_macros, macroId));
    }
}

void MacroPage::ShowLater(uint32_t macroId) {
    if (!m_firstLaterShowing) {
        return;
    }
    m_firstLaterShowing = false;
    if (macroId == 0 && HasMacros()) {
        Select(0);
    }
}

bool MacroPage::HasMacros() const {
    return !m_macros.empty();
}

int MacroPage::SelectedMacro() const {
    return m_current;
}

uint16_t MacroPage::SelectedMacroId() const {
    return MacroIdAt(m_macros, m_current);
}

int MacroPage::RepeatCount() const {
    return std::clamp(m_repeat->Value(), kSmallestRepeat, kLargestRepeat);
}

MacroList MacroPage::EditedMacros() {
    FinishEditing();
    StoreCurrent();
    return m_macros;
}

void MacroPage::FinishEditing() {
    m_events->FinishEditing();
}

void MacroPage::StopRecording() {
    if (m_recording) {
        m_recording = false;
        ShowRecordingState(kRecordAgainCaption);
    }
}

void MacroPage::Record(ScanCode code, bool press) {
    if (!m_recording) {
        return;
    }
    bool recorded = false;
    for (const MacroEvent& event : m_recorder.Take(code, press, m_services.tick())) {
        recorded = m_events->Record(event, m_recordDelaysOn) || recorded;
    }
    Changed(recorded);
}

QString MacroPage::Text(const char* key) const {
    return m_services.text(key);
}

// The events and repeat count shown belong to the macro selected before.
void MacroPage::Select(int index) {
    StoreCurrent();
    m_current = index;
    {
        const QSignalBlocker blocker(m_macroBox);
        m_macroBox->setCurrentIndex(index);
    }
    LoadRows();
}

void MacroPage::StoreCurrent() {
    if (m_current < 0) {
        return;
    }
    MacroRecord& macro = m_macros[static_cast<size_t>(m_current)];
    macro.SetEvents(m_events->Events());
    macro.SetRepeatCount(static_cast<uint8_t>(RepeatCount()));
}

void MacroPage::LoadRows() {
    const bool selected = m_current >= 0;
    if (selected) {
        const MacroRecord& macro = m_macros[static_cast<size_t>(m_current)];
        m_events->Load(macro.Events());
        m_repeat->setText(QString::number(macro.RepeatCount()));
    } else {
        m_events->Load({});
    }
    for (int button = kRecord; button <= kBottom; ++button) {
        m_buttons[button]->setEnabled(selected);
    }
}

void MacroPage::Rename(const QString& typed) {
    if (m_macros.empty()) {
        m_macros.insert(m_macros.begin(), NewMacroRecord(m_macros, typed.toStdString()));
        const QSignalBlocker blocker(m_macroBox);
        m_macroBox->insertItem(0, QString::fromStdString(m_macros.front().Name()));
        Select(0);
        emit changed();
        return;
    }
    if (m_current < 0) {
        return;
    }
    MacroRecord& macro = m_macros[static_cast<size_t>(m_current)];
    macro.SetName(typed.toStdString());
    QLineEdit* edit = m_macroBox->lineEdit();
    const int cursor = edit->cursorPosition();
    m_macroBox->setItemText(m_current, QString::fromStdString(macro.Name()));
    edit->setCursorPosition(cursor);
    emit changed();
}

void MacroPage::AddMacro() {
    if (m_macros.size() >= MACRO_LIST_CAPACITY) {
        TellWithNumber(kTooManyMacros, MACRO_LIST_CAPACITY);
        return;
    }
    int& counter = MacroNameCounter();
    if (m_macros.empty()) {
        counter = 0;
    }
    QStringList existing;
    for (int item = 0; item < m_macroBox->count(); ++item) {
        existing << m_macroBox->itemText(item);
    }
    const QString name = NextMacroName(Text(kNewMacroPrefix), existing, counter,
                                       [] { QThread::msleep(kNameRetryPauseMs); });
    m_macros.push_back(NewMacroRecord(m_macros, name.toStdString()));
    {
        const QSignalBlocker blocker(m_macroBox);
        m_macroBox->addItem(QString::fromStdString(m_macros.back().Name()));
    }
    Select(static_cast<int>(m_macros.size()) - 1);
    emit changed();
}

void MacroPage::DeleteMacro() {
    if (m_current < 0 || !m_services.confirmDelete(m_macros[static_cast<size_t>(m_current)])) {
        return;
    }
    const int deleted = m_current;
    m_macros.erase(m_macros.begin() + deleted);
    {
        const QSignalBlocker blocker(m_macroBox);
        m_macroBox->removeItem(deleted);
    }
    m_current = -1;
    Select(m_macros.empty() ? -1 : std::max(deleted - 1, 0));
    emit changed();
}

void MacroPage::ToggleRecording() {
    if (m_recording) {
        StopRecording();
        return;
    }
    if (m_current < 0) {
        return;
    }
    m_recording = true;
    m_recorder.Start(m_services.tick());
    ShowRecordingState(kStopRecordCaption);
}

void MacroPage::ShowRecordingState(const char* recordCaption) {
    CPngButton& record = *m_buttons[kRecord];
    record.setText(Text(recordCaption));
    record.SetMarked(m_recording);
    for (QWidget* control :
         std::array<QWidget*, 3>{m_buttons[kAdd], m_buttons[kDeleteMacro], m_macroBox}) {
        control->setEnabled(!m_recording);
    }
    emit recordingChanged(m_recording);
}

void MacroPage::DeleteEvent() {
    Changed(m_events->DeleteSelected());
}

void MacroPage::ClearEvents() {
    if (!m_events->Events().empty() && m_services.askYesNo(kClearQuestion)) {
        Changed(m_events->Clear());
    }
}

void MacroPage::MoveEvent(RowMove move) {
    Changed(m_events->MoveSelected(move));
}

void MacroPage::RecordDelaysToggled(bool on) {
    m_recordDelaysOn = on;
    m_services.writeRecordDelays(on);
}

// A number out of range is rewritten, which comes back here with the corrected text.
void MacroPage::RepeatEdited() {
    if (m_repeat->Value() < kSmallestRepeat) {
        m_repeat->setText(QString::number(kSmallestRepeat));
        return;
    }
    emit changed();
}

void MacroPage::TellDelayClipped() {
    TellWithNumber(kDelayTooLongMessage, MACRO_MAX_DELAY);
}

void MacroPage::TellWithNumber(const char* key, long long number) {
    m_services.tell(key, QString::fromStdString(FormatWithInt(Text(key).toStdString(), number)));
}

void MacroPage::Changed(bool changedEvents) {
    if (changedEvents) {
        emit changed();
    }
}

}  // namespace keyloom
