#include "editors/CKeyloom_DlgProfile.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <array>
#include <filesystem>

#include "controls/ModalChildren.h"
#include "controls/PanelStyle.h"
#include "editors/EditorLook.h"
#include "platform/Log.h"
#include "platform/SafeFormat.h"
#include "platform/UserFolders.h"
#include "session/ActiveProfile.h"
#include "session/LanguageMessage.h"
#include "session/ProfileOperations.h"
#include "session/ProfileReload.h"
#include "storage/LanguageTables.h"
#include "storage/ProfileListSetting.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom {

namespace {

struct DialogButton {
    int control;
    const char* skinKey;
    const char* caption;
    void (CKeyloom_DlgProfile::*onClick)();
};

// In the order the buttons are placed.
constexpr std::array kButtons = {
    DialogButton{CKeyloom_DlgProfile::kOk, "CONTROL_OK", "PROFILE_OK", &CKeyloom_DlgProfile::OnOk},
    DialogButton{CKeyloom_DlgProfile::kCancel, "CONTROL_CANCEL", "PROFILE_CANCLE",
                 &CKeyloom_DlgProfile::OnCancel},
    DialogButton{CKeyloom_DlgProfile::kAdd, "FUNC_ADD", "PROFILE_ADD", &CKeyloom_DlgProfile::OnAdd},
    DialogButton{CKeyloom_DlgProfile::kLoad, "FUNC_LOAD", "PROFILE_LOAD",
                 &CKeyloom_DlgProfile::OnLoad},
    DialogButton{CKeyloom_DlgProfile::kDelete, "FUNC_DELETE", "PROFILE_DELETE",
                 &CKeyloom_DlgProfile::OnDelete},
    DialogButton{CKeyloom_DlgProfile::kApply, "CONTROL2_APPLY", "PROFILE_APPLY", nullptr},
};

struct ListColumn {
    const char* caption;
    int width;  // the last column takes what is left
};
constexpr std::array kColumns = {
    ListColumn{"PROFILE_COLUMN_ACTIVE", 60},
    ListColumn{"PROFILE_COLUMN_NAME", 120},
    ListColumn{"PROFILE_COLUMN_PATH", 230},
};

constexpr char kNewProfileText[] = "PROFILE_NEW";
constexpr char kRestoreRowText[] = "PROFILE_RESTORE_ROW";
constexpr char kProfileExtension[] = ".qvp";
constexpr int kRowHeight = 26;

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

CKeyloom_DlgProfile::CKeyloom_DlgProfile(KeyboardSession& session, ProfileDialogServices services,
                                         QWidget* parent)
    : CBaseDialog(session.paths.executableFolder + SKIN_FOLDER + "/Profile.ini", parent),
      m_session(session),
      m_services(std::move(services)) {
    CreateControls();
}

CKeyloom_DlgProfile::~CKeyloom_DlgProfile() = default;

void CKeyloom_DlgProfile::CreateControls() {
    const std::string skins = m_session.paths.executableFolder + SKIN_FOLDER + "/";
    // A disabled button shows its normal face, its caption dimmed: the pressed face would make
    // an Apply with nothing to apply look like the button in use.
    SetStateSurfaces(CompositeImageSet(skins, "Profile", false));
    for (const DialogButton& entry : kButtons) {
        CPngButton* button = AddCaptionedButton(*this, entry.skinKey);
        if (entry.onClick != nullptr) {
            connect(button, &CPngButton::clicked, this, entry.onClick);
        }
        m_buttons[entry.control] = button;
    }
    connect(m_buttons.at(kApply), &CPngButton::clicked, this, [this] { (void)OnApply(); });
    CreateList();
    PlaceEditorTitle(*this, m_title, "PROFILE_TITLE");
    m_title.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void CKeyloom_DlgProfile::CreateList() {
    m_list.setParent(this);
    PlaceControl(&m_list, "PROGRAM_LIST");
    StylePanelTable(m_list);
    m_list.setColumnCount(static_cast<int>(kColumns.size()));
    m_list.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list.setSelectionMode(QAbstractItemView::SingleSelection);
    m_list.setShowGrid(true);
    m_list.verticalHeader()->hide();
    m_list.verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_list.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list.horizontalHeader()->setStretchLastSection(true);
    m_list.horizontalHeader()->setHighlightSections(false);
    for (size_t i = 0; i < kColumns.size(); ++i) {
        m_list.setColumnWidth(static_cast<int>(i), kColumns[i].width);
    }
    connect(&m_list, &QTableWidget::itemChanged, this, &CKeyloom_DlgProfile::OnCheckChanged);
}

QString CKeyloom_DlgProfile::Text(const char* key) const {
    return QString::fromStdString(LangText(key, m_languageSlot, m_session.paths.executableFolder));
}

void CKeyloom_DlgProfile::ApplyLanguage(int slot) {
    m_languageSlot = slot;
    for (const DialogButton& entry : kButtons) {
        m_buttons.at(entry.control)->setText(Text(entry.caption));
    }
    QStringList headers;
    for (const ListColumn& column : kColumns) {
        headers << Text(column.caption);
    }
    m_list.setHorizontalHeaderLabels(headers);
    m_title.setText(Text("PROFILE_MANAGER_TITLE"));
    setWindowTitle(m_title.text());
}

CPngButton* CKeyloom_DlgProfile::Control(int control) const {
    const auto found = m_buttons.find(control);
    return found != m_buttons.end() ? found->second : nullptr;
}

bool CKeyloom_DlgProfile::Unapplied() const {
    return m_buttons.at(kApply)->isEnabled();
}

void CKeyloom_DlgProfile::SetApplyEnabled(bool enabled) {
    m_buttons.at(kApply)->setEnabled(enabled);
}

void CKeyloom_DlgProfile::Open() {
    SetUp();
    show();
    raise();
    activateWindow();
}

int CKeyloom_DlgProfile::Run() {
    SetUp();
    return ExecModalChild(*this, QDialog::Rejected);
}

void CKeyloom_DlgProfile::SetUp() {
    ++m_openCount;
    ApplyLanguage(LanguageSlot());
    {
        const QSignalBlocker quiet(m_list);
        m_list.setRowCount(0);
        for (int profile = 0; profile < KEY_BLOCK_COUNT; ++profile) {
            AppendRow(WorkingProfilePath(m_session, profile));
        }
        const int active = GetActiveProfile(m_session);
        if (active >= 0 && active < m_list.rowCount()) {
            m_list.item(active, kActiveColumn)->setCheckState(Qt::Checked);
        }
    }
    SetApplyEnabled(false);
}

void CKeyloom_DlgProfile::AppendRow(const std::string& path) {
    const std::filesystem::path file(path);
    const int row = m_list.rowCount();
    m_list.insertRow(row);
    auto* check = ReadOnlyItem({});
    check->setFlags(check->flags() | Qt::ItemIsUserCheckable);
    check->setCheckState(Qt::Unchecked);
    m_list.setItem(row, kActiveColumn, check);
    auto* name = ReadOnlyItem(QString::fromStdString(file.stem().string()));
    name->setData(Qt::UserRole, QString::fromStdString(path));
    name->setToolTip(QString::fromStdString(path));
    m_list.setItem(row, kNameColumn, name);
    m_list.setItem(row, kFolderColumn,
                   ReadOnlyItem(QString::fromStdString(file.parent_path().string() + "/")));
}

int CKeyloom_DlgProfile::CheckedRow() const {
    for (int row = 0; row < m_list.rowCount(); ++row) {
        if (m_list.item(row, kActiveColumn)->checkState() == Qt::Checked) {
            return row;
        }
    }
    return NO_ACTIVE_PROFILE;
}

std::string CKeyloom_DlgProfile::RowPath(int row) const {
    return m_list.item(row, kNameColumn)->data(Qt::UserRole).toString().toStdString();
}

std::string CKeyloom_DlgProfile::RecordedPath(int row) const {
    return m_list.item(row, kFolderColumn)->text().toStdString() +
           m_list.item(row, kNameColumn)->text().toStdString() + kProfileExtension;
}

void CKeyloom_DlgProfile::OnCheckChanged(QTableWidgetItem* item) {
    if (item->column() != kActiveColumn) {
        return;
    }
    if (item->checkState() == Qt::Checked) {
        const QSignalBlocker quiet(m_list);
        for (int row = 0; row < m_list.rowCount(); ++row) {
            if (row != item->row()) {
                m_list.item(row, kActiveColumn)->setCheckState(Qt::Unchecked);
            }
        }
    }
    SetApplyEnabled(true);
}

void CKeyloom_DlgProfile::MarkProfile(int profile) {
    if (profile < 0 || profile >= m_list.rowCount()) {
        return;
    }
    // Checking the row unchecks the others and enables Apply, which the switch leaves nothing for.
    m_list.item(profile, kActiveColumn)->setCheckState(Qt::Checked);
    SetApplyEnabled(false);
}

void CKeyloom_DlgProfile::OnLoad() {
    EnsureFolder(m_session.paths.userFolder);
    const auto path = m_services.files.Choose(
        ProfileFileRequest(FileRequest::Mode::kOpen, m_session.paths.userFolder));
    if (path) {
        AppendRow(*path);
        SetApplyEnabled(true);
    }
}

void CKeyloom_DlgProfile::OnAdd() {
    EnsureFolder(m_session.paths.userFolder);
    std::string name = SessionText(m_session, kNewProfileText);
    if (!name.empty() && name.front() == '/') {
        name.erase(0, 1);
    }
    const auto path = m_services.files.Choose(
        ProfileFileRequest(FileRequest::Mode::kSave, m_session.paths.userFolder, name));
    if (!path) {
        return;
    }
    // The row stands for the file the user named, written or not; a load from it says the rest.
    if (NewProfileImage(m_session, *path, 0) != PROFILE_FILE_OK) {
        LogWarning("the new profile file " + *path + " could not be written");
    }
    AppendRow(*path);
    SetApplyEnabled(true);
}

void CKeyloom_DlgProfile::OnDelete() {
    const QList<QTableWidgetSelectionRange> selected = m_list.selectedRanges();
    if (selected.isEmpty()) {
        return;
    }
    const int row = selected.front().topRow();
    const int next = row + 1 < m_list.rowCount() ? row + 1 : row - 1;
    if (next >= 0) {
        m_list.selectRow(next);
    }
    m_list.removeRow(row);
    SetApplyEnabled(true);
}

bool CKeyloom_DlgProfile::OnApply() {
    const int checked = CheckedRow();
    const bool fileRow = checked >= KEY_BLOCK_COUNT;
    if (fileRow && !RestoreCheckedFile(checked)) {
        return false;
    }
    std::vector<std::string> paths;
    for (int row = 0; row < m_list.rowCount(); ++row) {
        paths.push_back(RecordedPath(row));
    }
    if (!WriteProfileListSetting(m_session.paths.applicationTitle, paths)) {
        LogWarning("the profile manager's rows could not be recorded in the settings");
    }
    if (!fileRow) {
        SwitchToCheckedProfile(checked);
    }
    // Flag 0 also clears the main window's pending state.
    (void)ReloadFromKeyboard(m_session, 0);  // a blank profile shows what could not be read
    UpdateProfileCaption(m_session);
    SetApplyEnabled(false);
    m_session.context.window->SetApplyEnabled(false);
    if (m_services.profileChanged) {
        m_services.profileChanged();
    }
    return true;
}

bool CKeyloom_DlgProfile::RestoreCheckedFile(int row) {
    const std::string path = RowPath(row);
    const std::string question = FormatWithString(SessionText(m_session, kRestoreRowText), path);
    if (m_session.context.window->ShowMessage(
            kRestoreRowText, question, MessageButtons::kYesNoDefaultNo) != MessageAnswer::kYes) {
        return false;
    }
    // A refused file or a keyboard that did not take it has told the user.
    return ImportProfileFile(m_session, path) == PROFILE_FILE_OK;
}

void CKeyloom_DlgProfile::SwitchToCheckedProfile(int row) {
    // The reload below would drop edits of the main window that were never applied: ask first.
    if (m_session.context.window->ApplyEnabled()) {
        SettlePendingChanges(m_session);
    }
    if (row != NO_ACTIVE_PROFILE) {
        // A keyboard that did not switch keeps its profile, which the reload shows.
        (void)SetActiveProfile(m_session, row);
    }
}

void CKeyloom_DlgProfile::OnOk() {
    if (OnApply()) {
        accept();
    }
}

void CKeyloom_DlgProfile::OnCancel() {
    reject();
}

void CKeyloom_DlgProfile::done(int result) {
    if (m_openCount > 0) {
        SetApplyEnabled(false);
        --m_openCount;
    }
    CBaseDialog::done(result);
}

void CKeyloom_DlgProfile::OnHelpKey() {
    m_services.openHelp();
}

}  // namespace keyloom
