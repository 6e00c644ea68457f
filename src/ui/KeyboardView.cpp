#include "ui/KeyboardView.h"

#include "model/KeyButtonTable.h"
#include "storage/SkinLayoutKeys.h"
#include "ui/MainButtonStyle.h"
#include "ui/MainWindowControls.h"

namespace keyloom {

KeyboardView::KeyboardView(CBaseDialog& dialog, std::function<void(int control)> onClick)
    : m_dialog(dialog), m_onClick(std::move(onClick)) {
    for (const KeyButton& key : KeyButtons()) {
        AddButton(key.control, KeyButtonSkinKey(key.code));
    }
    int number = 1;
    for (const KeyButton& gKey : GKeyButtons()) {
        CPngButton* button = AddButton(gKey.control, GKeySkinKey(number));
        button->SetTextStyle(MainButtonTextStyle());
        if (number > G_KEY_BUTTONS_ENABLED) {
            button->setEnabled(false);
        }
        ++number;
    }
    AddButton(FN_CONTROL, SKIN_FN_KEY);
}

CPngButton* KeyboardView::Button(int control) const {
    const auto found = m_buttons.find(control);
    return found == m_buttons.end() ? nullptr : found->second;
}

void KeyboardView::ShowKey(ScanCode code, const AssignmentDescription& description) {
    const int index = KeyButtonIndexOfScanCode(code);
    if (index < 0) {
        return;
    }
    CPngButton* button = Button(KeyButtons()[static_cast<size_t>(index)].control);
    button->SetMarked(description.marked);
    button->SetTip(QString::fromStdString(description.tooltip), true);
}

void KeyboardView::ShowGKey(int position, const AssignmentDescription& description) {
    CPngButton* button = Button(GKeyButtons()[static_cast<size_t>(position)].control);
    button->SetMarked(description.marked);
    button->SetTip(QString::fromStdString(description.tooltip), true);
}

void KeyboardView::ShowGKeyMarks(const GKeyMarks& marks) {
    for (size_t position = 0; position < marks.size(); ++position) {
        CPngButton* button = Button(GKeyButtons()[position].control);
        button->setText(QString::fromStdString(marks[position].label));
        button->SetMarked(marks[position].assigned);
    }
}

int KeyboardView::GKeyPosition(int control) {
    const auto gKeys = GKeyButtons();
    for (size_t position = 0; position < gKeys.size(); ++position) {
        if (gKeys[position].control == control) {
            return static_cast<int>(position);
        }
    }
    return -1;
}

CPngButton* KeyboardView::AddButton(int control, const std::string& skinKey) {
    auto* button = new CPngButton(&m_dialog);
    m_dialog.PlaceSkinnedControl(button, skinKey);
    if (!button->isEnabled()) {
        m_unplaced.insert(control);
    }
    QObject::connect(button, &CPngButton::clicked, &m_dialog,
                     [this, control] { m_onClick(control); });
    m_buttons[control] = button;
    return button;
}

}  // namespace keyloom
