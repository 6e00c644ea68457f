#include "ui/CKeyloomDlg.h"

#include "model/KeyButtonTable.h"
#include "session/ActiveProfile.h"
#include "session/KeyDescriptions.h"
#include "session/UserLighting.h"
#include "ui/MainWindowControls.h"

namespace keyloom {

void CKeyloomDlg::OnKeyClicked(int control) {
    const int gKey = KeyboardView::GKeyPosition(control);
    if (gKey >= 0) {
        RequestKeySettings(GKeySlot(m_session.channels.MacroKeyBank(), gKey), control,
                           control == CONTROL_G9);
        return;
    }
    if (m_lighting.view) {
        LightingContext lighting = Lighting();
        // Lighting writes go unchecked: the next read shows what the keyboard took.
        (void)PaintKey(lighting, control);
        return;
    }
    const int index = LightingButtonIndexOfControl(control);
    if (index >= 0 && static_cast<size_t>(index) < KEY_BUTTON_COUNT) {
        RequestKeySettings(IndexOfScanCode(KeyButtons()[static_cast<size_t>(index)].code), control,
                           false);
    }
}

void CKeyloomDlg::RequestKeySettings(int keyCode, int control, bool macroOnly) {
    m_keyRequests.push_back({keyCode, control, macroOnly});
    emit OpenKeySettings(keyCode);
}

Keyloom_DlgComposite& CKeyloomDlg::KeyEditor() {
    if (!m_keyEditor) {
        m_keyEditor = std::make_unique<Keyloom_DlgComposite>(
            m_session, CompositeServices{[this] { OnHelp(); }, [this] { RedrawKeyMarks(); }}, this);
    }
    return *m_keyEditor;
}

void CKeyloomDlg::EditKey(const KeySettingsRequest& request) {
    CPngButton* button = m_keyboard->Button(request.control);
    if (button == nullptr) {
        return;
    }
    const ButtonSurfaces highlight = {m_keySurfaces.hover, m_keySurfaces.hover,
                                      m_keySurfaces.pressed, m_keySurfaces.hover,
                                      m_keySurfaces.hover};
    button->SetSurfaces(highlight);
    const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
    (void)KeyEditor().Run({request.keyCode, place, request.macroOnly});
    button->SetSurfaces(m_keySurfaces);
}

void CKeyloomDlg::RedrawKeyMarks() {
    const int profile = GetActiveProfile(m_session);
    const int bank = m_session.channels.MacroKeyBank();
    ShowAssignments(profile, bank);
    m_keyboard->ShowGKeyMarks(CurrentGKeyMarks(m_session));
    Control(CONTROL_BANK_INDICATOR)->SetMarked(bank != 0);
    ApplyFlip();
}

void CKeyloomDlg::ShowAssignments(int profile, int bank) {
    const KeyDescriptions descriptions = DescribeAssignments(m_session, profile, bank);
    const auto keys = KeyButtons();
    for (size_t i = 0; i < keys.size(); ++i) {
        m_keyboard->ShowKey(keys[i].code, descriptions.keys[i]);
    }
    for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
        m_keyboard->ShowGKey(position, descriptions.gKeys[static_cast<size_t>(position)]);
    }
}

void CKeyloomDlg::SetKeyFrame(int control, bool on, Color color) {
    if (CPngButton* button = m_keyboard->Button(control)) {
        button->SetOutline(color, OUTLINE_STRENGTH_MAX / 2, on);
    }
}

void CKeyloomDlg::ClearKeyFrames() {
    for (const KeyButton& key : LightingButtons()) {
        SetKeyFrame(key.control, false, 0);
        if (CPngButton* button = m_keyboard->Button(key.control)) {
            button->SetMarked(false);
        }
    }
}

}  // namespace keyloom
