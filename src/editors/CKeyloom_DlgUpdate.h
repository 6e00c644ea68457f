#pragma once

#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <map>
#include <string>

#include "controls/CBaseDialog.h"
#include "controls/FileChooser.h"
#include "session/KeyboardSession.h"

namespace keyloom {

// The firmware update dialog: the tool does not transfer firmware itself. Update switches the
// keyboard into its boot mode with one report and starts the update program the user chose,
// normally one from the Package folder beside the tool. Backup saves the profiles first.
class CKeyloom_DlgUpdate : public CBaseDialog {
    Q_OBJECT

  public:
    enum Control : int {
        kPathField = 1179,
        kOpen = 1181,
        kUpdate = 1147,
        kCancelUpdate = 1180,
        kBackup = 1182,
    };

    CKeyloom_DlgUpdate(KeyboardSession& session, FileChooser& files, QWidget* parent = nullptr);

    // Shows the dialog and waits until it closes.
    int Run();

    // The buttons.
    void OnOpen();
    void OnUpdate();
    void OnCancelUpdate();
    void OnBackup();

    // The chosen update program, kept for the run of the tool; empty when none is chosen.
    const std::string& SelectedProgram() const { return m_program; }
    QLineEdit& PathField() { return m_path; }
    CPngButton* Control(int control) const;

  private:
    void CreateControls();
    void Say(const char* text);
    void ShowSelection();
    std::string PackageFolder() const;

    KeyboardSession& m_session;
    FileChooser& m_files;
    std::map<int, CPngButton*> m_buttons;
    QLineEdit m_path;
    QLabel m_title;
    std::string m_program;
};

}  // namespace keyloom
