#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editors/MacroRecorder.h"
#include "model/MacroList.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace keyloom {

class CBaseDialog;
class CNumberBox;
class CPngButton;
class MacroEventList;
enum class RowMove;

// What the macro page needs from the dialog that hosts it.
struct MacroPageServices {
    std::string skinFolder;                        // with trailing '/': holds the macro image set
    std::function<QString(const char* key)> text;  // language text in the current language
    std::function<bool(const std::string& languageKey)> askYesNo;  // No as default; true for Yes
    std::function<void(const std::string& languageKey, const QString& text)> tell;  // OK box
    // The dialog runs ConfirmMacroDelete under the profile lock.
    std::function<bool(const MacroRecord& macro)> confirmDelete;
    std::function<uint32_t()> tick;  // milliseconds
    std::function<bool()> readRecordDelays;
    std::function<void(bool on)> writeRecordDelays;
};

// The macro page of the key settings dialog: the tool's macro editor and recorder. It works on
// its own copies of the macros; the dialog takes them back with EditedMacros when it applies.
class MacroPage : public QObject {
    Q_OBJECT

  public:
    // Creates the page's controls on the dialog and places them from its skin, hidden. The
    // dialog's state pictures are the macro image set afterwards.
    MacroPage(CBaseDialog& dialog, MacroPageServices services);

    void SetVisible(bool visible);
    // Captions, column titles, and the record caption for the current state.
    void ApplyLanguage();

    // A copy of the working macro list, none selected, no events; the record-delays check box
    // from the setting, which is written back.
    void Load(const MacroList& macros);
    // The page shown at the opening selects the macro with this id, or the first when none has
    // it. Shown later, the first time, it selects the first macro only when the id is 0.
    void ShowInitial(uint32_t macroId);
    void ShowLater(uint32_t macroId);

    bool HasMacros() const;
    int SelectedMacro() const;         // -1 for none
    uint16_t SelectedMacroId() const;  // 0 for none
    int RepeatCount() const;           // 1 to 255

    // The edited macros in list order, the events and repeat count shown stored first.
    MacroList EditedMacros();
    void FinishEditing();  // commits an open in-place edit

    bool Recording() const { return m_recording; }
    void StopRecording();
    // A key event caught while recording.
    void Record(ScanCode code, bool press);

  signals:
    void changed();
    void recordingChanged(bool on);

  private:
    enum Button {
        kAdd,
        kDeleteMacro,
        kRecord,
        kDeleteEvent,
        kClear,
        kTop,
        kUp,
        kDown,
        kBottom,
        kButtonCount
    };

    void CreateButtons();
    void CreateFields();
    void Connect();
    QLabel* CreateLabel(const char* skinKey);
    void Place(QWidget* control, const char* skinKey);

    QString Text(const char* key) const;
    void Select(int index);
    void StoreCurrent();
    void LoadRows();
    void Rename(const QString& typed);
    void AddMacro();
    void DeleteMacro();
    void ToggleRecording();
    void ShowRecordingState(const char* recordCaption);
    void DeleteEvent();
    void ClearEvents();
    void MoveEvent(RowMove move);
    void RecordDelaysToggled(bool on);
    void RepeatEdited();
    void TellDelayClipped();
    // The message of a language text that holds one integer placeholder.
    void TellWithNumber(const char* key, long long number);
    void Changed(bool changedEvents);

    CBaseDialog& m_dialog;
    MacroPageServices m_services;
    std::vector<QWidget*> m_controls;
    std::array<CPngButton*, kButtonCount> m_buttons{};
    std::array<QLabel*, 3> m_labels{};
    QComboBox* m_macroBox = nullptr;
    MacroEventList* m_events = nullptr;
    QCheckBox* m_recordDelays = nullptr;
    CNumberBox* m_repeat = nullptr;

    MacroList m_macros;
    int m_current = -1;
    bool m_firstLaterShowing = false;
    bool m_recordDelaysOn = false;
    bool m_recording = false;
    MacroRecorder m_recorder;
};

}  // namespace keyloom
