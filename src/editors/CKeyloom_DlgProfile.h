#pragma once

#include <QLabel>
#include <QTableWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls/CBaseDialog.h"
#include "controls/FileChooser.h"
#include "session/KeyboardSession.h"

namespace keyloom {

// What the profile manager works with besides the keyboard session.
struct ProfileDialogServices {
    FileChooser& files;
    std::function<void()> openHelp;
    // The keyboard's active profile may have changed: the main window follows it.
    std::function<void()> profileChanged;
};

// The profile manager: the keyboard's three profiles and profile files chosen by the user as rows
// of a list, one of them checked to be the active profile. Apply records the rows in the settings,
// makes the checked row the keyboard's active profile and reloads the profiles from the keyboard.
class CKeyloom_DlgProfile : public CBaseDialog {
    Q_OBJECT

  public:
    enum Control : int {
        kOk = 1,
        kCancel = 2,
        kLoad = 1008,
        kAdd = 1010,
        kDelete = 1011,
        kApply = 1012,
    };
    enum Column : int { kActiveColumn, kNameColumn, kFolderColumn };

    CKeyloom_DlgProfile(KeyboardSession& session, ProfileDialogServices services,
                        QWidget* parent = nullptr);
    ~CKeyloom_DlgProfile() override;

    // Fills the list with the three profiles and shows the dialog; Run() does the same and waits
    // until it closes.
    void Open();
    int Run();

    // Whether the dialog is open, and whether it has changes that Apply would record.
    bool IsOpen() const { return m_openCount > 0; }
    bool Unapplied() const;
    // The keyboard switched to the profile elsewhere: its row is checked, nothing is left to apply.
    void MarkProfile(int profile);

    void ApplyLanguage(int slot);

    // The buttons. OnApply() says whether it applied: a checked profile file that the user chose
    // not to write, or that the keyboard did not take, leaves the changes pending.
    void OnLoad();
    void OnAdd();
    void OnDelete();
    bool OnApply();
    void OnOk();
    void OnCancel();

    QTableWidget& List() { return m_list; }
    CPngButton* Control(int control) const;

    // Every way of closing ends here: the closing steps run once.
    void done(int result) override;

  protected:
    void OnHelpKey() override;

  private:
    void CreateControls();
    void CreateList();
    QString Text(const char* key) const;
    void SetApplyEnabled(bool enabled);
    void SetUp();
    void AppendRow(const std::string& path);
    int CheckedRow() const;
    std::string RowPath(int row) const;
    // The value recorded for the row: its folder, its name and ".qvp".
    std::string RecordedPath(int row) const;
    void OnCheckChanged(QTableWidgetItem* item);
    // A checked row that is not one of the keyboard's profiles is a file to write to the keyboard,
    // after the user agreed. Whether it went to the keyboard.
    bool RestoreCheckedFile(int row);
    void SwitchToCheckedProfile(int row);

    KeyboardSession& m_session;
    ProfileDialogServices m_services;
    std::map<int, CPngButton*> m_buttons;
    QTableWidget m_list;
    QLabel m_title;
    int m_languageSlot = 0;
    int m_openCount = 0;
};

}  // namespace keyloom
