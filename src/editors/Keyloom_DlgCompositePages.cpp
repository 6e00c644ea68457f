// The key settings dialog's pages: which one shows, the capture of the single-key page, and the
// record Apply stores.

#include <algorithm>

#include "editors/CompositeControls.h"
#include "editors/Keyloom_DlgComposite.h"
#include "model/AssignmentTable.h"

namespace keyloom {

namespace {

// The Super and Menu keys are taken even while the mouse box is set.
constexpr std::array<ScanCode, 3> kDesktopKeys = {0x15B, 0x15C, 0x15D};

// The page that shows a kind: records of kinds no page edits show on the single-key page.
int PageOfKind(int kind) {
    switch (kind) {
        case Keyloom_DlgComposite::kMacroPage:
        case Keyloom_DlgComposite::kMediaPage:
        case Keyloom_DlgComposite::kFunctionPage:
            return kind;
        default:
            return Keyloom_DlgComposite::kKeyPage;
    }
}

bool IsPageKind(int kind) {
    return kind == Keyloom_DlgComposite::kDefaultPage || PageOfKind(kind) == kind;
}

}  // namespace

void Keyloom_DlgComposite::ShowTab(int kind) {
    if (PageOfKind(kind) == PageOfKind(m_pageKind)) {
        return;
    }
    m_pageKind = kind;
    ShowPage(false);
    EnableApply();
}

void Keyloom_DlgComposite::ShowPage(bool initial) {
    const int page = PageOfKind(m_pageKind);
    if (page != kKeyPage) {
        m_capture.SetMode(KeyCapture::Mode::kOff);
    }
    if (page != kMacroPage) {
        m_macroPage->StopRecording();
    }
    if (page == kMacroPage) {
        if (initial) {
            m_macroPage->ShowInitial(m_openValue);
        } else if (m_firstMacroPage) {
            m_firstMacroPage = false;
            m_macroPage->ShowLater(m_openValue);
        }
    } else if (page == kKeyPage) {
        ShowKeyPage(initial);
    } else if (initial) {
        QListWidget& list = page == kMediaPage ? m_mediaList : m_functionList;
        if (m_openValue < static_cast<uint32_t>(list.count())) {
            list.setCurrentRow(static_cast<int>(m_openValue));
        }
    }
    ShowPageControls();
}

void Keyloom_DlgComposite::ShowPageControls() {
    const int page = PageOfKind(m_pageKind);
    const bool hints = !m_macroOnly;
    for (QWidget* control :
         std::initializer_list<QWidget*>{&m_keyEdit, &m_keyboardBox, &m_mouseBox, &m_mouseList,
                                         m_keyboardLabel, m_mouseLabel}) {
        control->setVisible(page == kKeyPage);
    }
    m_hints[0]->setVisible(hints && page == kKeyPage);
    m_hints[1]->setVisible(hints && page == kMediaPage);
    m_hints[2]->setVisible(hints && page == kFunctionPage);
    m_mediaList.setVisible(page == kMediaPage);
    m_functionList.setVisible(page == kFunctionPage);
    m_macroPage->SetVisible(page == kMacroPage);
    m_buttons.at(COMPOSITE_TAB_KEY)->SetMarked(page == kKeyPage);
    m_buttons.at(COMPOSITE_TAB_MACRO)->SetMarked(page == kMacroPage);
    m_buttons.at(COMPOSITE_TAB_MEDIA)->SetMarked(page == kMediaPage);
    m_buttons.at(COMPOSITE_TAB_FUNCTION)->SetMarked(page == kFunctionPage);
    const ImageSets& sets = m_images;
    const ButtonSurfaces& picture = page == kMacroPage      ? sets.macro
                                    : page == kMediaPage    ? sets.media
                                    : page == kFunctionPage ? sets.function
                                                            : sets.key;
    m_buttons.at(COMPOSITE_PAGE_PICTURE)->SetSurfaces(picture);
    QWidget* focus = page == kKeyPage        ? static_cast<QWidget*>(&m_keyEdit)
                     : page == kMediaPage    ? &m_mediaList
                     : page == kFunctionPage ? &m_functionList
                                             : nullptr;
    if (focus != nullptr) {
        focus->setFocus();
    }
}

void Keyloom_DlgComposite::ShowKeyPage(bool initial) {
    m_capture.SetMode(KeyCapture::Mode::kCapture);
    if (initial && m_pageKind == kKeyPage) {
        m_capturedKey = static_cast<ScanCode>(m_openValue);
    }
    const int mouseItem = m_pageKind == kKeyPage ? MouseFunctionItem(m_capturedKey) : -1;
    SetKeyboardChoice(mouseItem < 0);
    if (mouseItem >= 0) {
        m_mouseList.setCurrentIndex(mouseItem);
    }
    ShowCapturedKey();
}

void Keyloom_DlgComposite::ShowCapturedKey() {
    const bool shown = m_capturedKey != 0 && m_keyboardBox.isChecked();
    m_keyEdit.setText(shown ? QString::fromStdString(KeyName(m_capturedKey)) : QString());
}

void Keyloom_DlgComposite::OnCaptured(ScanCode code) {
    const bool desktopKey = std::ranges::find(kDesktopKeys, code) != kDesktopKeys.end();
    if (!m_keyboardBox.isChecked() && !desktopKey) {
        return;
    }
    // A captured Super or Menu key is what the user wants, whichever box was set.
    SetKeyboardChoice(true);
    m_capturedKey = code;
    m_pageKind = kKeyPage;
    ShowCapturedKey();
    EnableApply();
}

void Keyloom_DlgComposite::OnKeyboardBox() {
    SetKeyboardChoice(true);
    m_pageKind = kKeyPage;
    ShowCapturedKey();
}

void Keyloom_DlgComposite::OnMouseBox() {
    SetKeyboardChoice(false);
    m_pageKind = kKeyPage;
    ShowCapturedKey();
}

void Keyloom_DlgComposite::SetKeyboardChoice(bool keyboard) {
    m_keyboardBox.setChecked(keyboard);
    m_mouseBox.setChecked(!keyboard);
    m_keyEdit.setEnabled(keyboard);
    m_mouseList.setEnabled(!keyboard);
    m_capture.SetTakeKeys(keyboard);
}

void Keyloom_DlgComposite::OnClear() {
    ShowTab(kKeyPage);
    if (m_pageKind == kKeyPage) {
        m_capturedKey = 0;
        m_pageKind = kDefaultPage;
        SetKeyboardChoice(true);
        ShowCapturedKey();
    }
}

bool Keyloom_DlgComposite::KeepsOpenRecord() const {
    return !IsPageKind(m_pageKind) && m_pageKind == m_openKind;
}

KeyAssignment Keyloom_DlgComposite::ComposedRecord() const {
    KeyAssignment record;
    record.kind = static_cast<uint16_t>(m_pageKind);
    const bool gKey = m_slot >= G_KEY_FIRST_SLOT && m_slot < G_KEY_FIRST_SLOT + G_KEY_SLOTS;
    record.tag = gKey ? GKeyTag(m_slot) : 0;
    switch (m_pageKind) {
        case kKeyPage:
            if (!m_keyboardBox.isChecked()) {
                record.value =
                    MOUSE_FUNCTIONS[static_cast<size_t>(std::max(0, m_mouseList.currentIndex()))]
                        .code;
            } else if (m_capturedKey == 0 || IndexOfScanCode(m_capturedKey) == m_slot) {
                record.kind = ASSIGN_DEFAULT;
            } else {
                record.value = m_capturedKey;
            }
            break;
        case kMacroPage:
            if (m_macroPage->HasMacros()) {
                record.value = m_macroPage->SelectedMacroId();
                record.tag = static_cast<uint16_t>(m_macroPage->RepeatCount());
            } else {
                record.kind = ASSIGN_DEFAULT;
            }
            break;
        case kMediaPage:
            record.value = static_cast<uint32_t>(std::max(0, m_mediaList.currentRow()));
            break;
        case kFunctionPage:
            record.value = static_cast<uint32_t>(std::max(0, m_functionList.currentRow()));
            break;
        default:
            break;
    }
    return record;
}

}  // namespace keyloom
