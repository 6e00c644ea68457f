#pragma once

#include <functional>
#include <map>
#include <set>

#include "controls/CBaseDialog.h"
#include "controls/CPngButton.h"
#include "model/AssignmentDescription.h"
#include "session/GKeyBank.h"

namespace keyloom {

inline constexpr int G_KEY_BUTTONS_ENABLED = 5;  // G6 to G9 stay disabled

// The keyboard picture of the main window: the 105 key buttons, G1 to G9 and Fn, placed from the
// skin file, with their marks, tooltips and lighting frames.
class KeyboardView {
  public:
    // `onClick` gets the control id of the clicked button.
    KeyboardView(CBaseDialog& dialog, std::function<void(int control)> onClick);

    // The button of a control id; null when the keyboard has none.
    CPngButton* Button(int control) const;
    // Whether the skin file places the control (a button it leaves out stays disabled).
    bool Placed(int control) const { return !m_unplaced.contains(control); }

    // The marked look and tooltip of a key button, by its key; of a G key, by position 0 to 8.
    void ShowKey(ScanCode code, const AssignmentDescription& description);
    void ShowGKey(int position, const AssignmentDescription& description);
    // The bank labels of G1 to G5 (G6 to G9 have none) and their marks.
    void ShowGKeyMarks(const GKeyMarks& marks);
    // The G-key position 0 to 8 of a control, -1 for none.
    static int GKeyPosition(int control);

  private:
    CPngButton* AddButton(int control, const std::string& skinKey);

    CBaseDialog& m_dialog;
    std::function<void(int control)> m_onClick;
    std::map<int, CPngButton*> m_buttons;
    std::set<int> m_unplaced;
};

}  // namespace keyloom
