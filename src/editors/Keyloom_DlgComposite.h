#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/CBaseDialog.h"
#include "editors/KeyCapture.h"
#include "editors/MacroPage.h"
#include "session/KeyboardSession.h"

namespace keyloom {

// What the key settings dialog works with besides the keyboard session.
struct CompositeServices {
    std::function<void()> openHelp;
    // The main window's marks and tooltips of every key and G key, after a change.
    std::function<void()> redrawKeyMarks;
};

// The key the dialog edits: its slot (a key's KeyIndex, or 0x100 + G-key slot), the button that
// was clicked (where the dialog opens, in global coordinates) and whether only the macro page is
// offered.
struct KeyEditRequest {
    int slot = 0;
    QRect button;
    bool macroOnly = false;
};

// The key settings dialog: gives one key or G key of the current profile a new function (another
// key or a mouse function, a macro, a media or a keyboard function), and edits and records the
// macros. Apply stores the function and the macros in the working profile; the main window's
// Apply then writes the keyboard.
class Keyloom_DlgComposite : public CBaseDialog {
    Q_OBJECT

  public:
    enum PageKind : int {
        kDefaultPage = 0,
        kKeyPage = 2,
        kMacroPage = 4,
        kMediaPage = 7,
        kFunctionPage = 8
    };

    Keyloom_DlgComposite(KeyboardSession& session, CompositeServices services,
                         QWidget* parent = nullptr);
    ~Keyloom_DlgComposite() override;

    // How many of these dialogs are open now: a profile switch waits for none.
    static int OpenCount();

    // Sets the dialog up for the key and shows it beside its button (centred with only the macro
    // page); Run() does the same and waits until it closes.
    void Open(const KeyEditRequest& request);
    int Run(const KeyEditRequest& request);

    void ApplyLanguage(int slot);

    // The buttons.
    void OnApply();
    void OnOk();
    void OnCancel();
    void ShowTab(int kind);
    void OnClear();

    // What tests look at.
    int PageKind() const { return m_pageKind; }
    ScanCode CapturedKey() const { return m_capturedKey; }
    bool ApplyEnabled() const;
    QWidget* Control(int control) const;
    QCheckBox& KeyboardBox() { return m_keyboardBox; }
    QCheckBox& MouseBox() { return m_mouseBox; }
    QComboBox& MouseList() { return m_mouseList; }
    QLineEdit& KeyEdit() { return m_keyEdit; }
    QListWidget& MediaList() { return m_mediaList; }
    QListWidget& FunctionList() { return m_functionList; }
    MacroPage& Macros() { return *m_macroPage; }
    KeyCapture& Capture() { return m_capture; }

    // Every way of closing ends here: the closing steps run once.
    void done(int result) override;

  protected:
    void OnHelpKey() override;

  private:
    // The pictures of the image buttons, by the page or mode they belong to.
    struct ImageSets {
        ButtonSurfaces key;
        ButtonSurfaces macro;
        ButtonSurfaces macroOnly;
        ButtonSurfaces media;
        ButtonSurfaces function;
    };

    void CreateControls();
    void CreateKeyPage();
    void CreateListPages();
    CPngButton* AddImageButton(int control, const char* skinKey,
                               void (Keyloom_DlgComposite::*onClick)());
    QLabel* AddText(const char* skinKey);
    void Position(const KeyEditRequest& request);
    void SetUp(const KeyEditRequest& request);
    void LabelControls(int slot);
    QString Text(const char* key) const;
    std::string RecordDelayValueName() const;
    std::string KeyName(ScanCode code) const;

    // Pages.
    void ShowPage(bool initial);
    void ShowPageControls();
    void ShowKeyPage(bool initial);
    void ShowCapturedKey();
    void OnCaptured(ScanCode code);
    void OnKeyboardBox();
    void OnMouseBox();
    void SetKeyboardChoice(bool keyboard);
    void EnableApply();
    KeyAssignment ComposedRecord() const;
    // A record of a kind no page edits (a program, a text, a stop of macros, no function) that
    // the user left alone keeps its value and its text.
    bool KeepsOpenRecord() const;
    void CloseSteps();

    KeyboardSession& m_session;
    CompositeServices m_services;
    ImageSets m_images;
    std::map<int, CPngButton*> m_buttons;
    QPushButton m_apply;
    QLabel* m_title = nullptr;
    std::array<QLabel*, 3> m_hints{};  // single key, multimedia, function key
    QLabel* m_keyboardLabel = nullptr;
    QLabel* m_mouseLabel = nullptr;
    QLineEdit m_keyEdit;
    QCheckBox m_keyboardBox;
    QCheckBox m_mouseBox;
    QComboBox m_mouseList;
    QListWidget m_mediaList;
    QListWidget m_functionList;
    std::unique_ptr<MacroPage> m_macroPage;
    KeyCapture m_capture;
    int m_languageSlot = 0;
    int m_slot = 0;
    bool m_macroOnly = false;
    bool m_open = false;
    bool m_firstMacroPage = false;
    int m_pageKind = kDefaultPage;
    ScanCode m_capturedKey = 0;
    uint16_t m_openKind = 0;
    uint32_t m_openValue = 0;
};

}  // namespace keyloom
