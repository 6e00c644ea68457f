#include "editors/EditorLook.h"

#include "controls/PanelStyle.h"

namespace keyloom {

namespace {

constexpr int kCaptionPointSize = 9;
constexpr int kTitlePointSize = 11;

}  // namespace

ButtonSurfaces CompositeImageSet(const std::string& skinFolder, const std::string& name,
                                 bool ownDisabled) {
    const auto load = [&](const char* state) {
        return CBaseDialog::RenderSurface(skinFolder + name + state);
    };
    ButtonSurfaces set;
    set.normal = load("_normal.jpg");
    set.hover = load("_over.jpg");
    set.pressed = load("_down.jpg");
    set.disabled = ownDisabled ? load("_disable.jpg") : set.normal;
    set.marked = set.pressed;
    return set;
}

ButtonTextStyle CompositeCaptionStyle() {
    ButtonTextStyle style;
    style.on = true;
    style.pointSize = kCaptionPointSize;
    style.face = QStringLiteral("Arial Unicode MS");
    style.colors = {0xE4E4E4, 0xFFFFFF, 0xFFFFFF, 0x7F7F7F, 0x4B4BFF};
    return style;
}

CPngButton* AddCaptionedButton(CBaseDialog& dialog, const std::string& skinKey) {
    auto* button = new CPngButton(&dialog);
    button->SetTextStyle(CompositeCaptionStyle());
    dialog.PlaceSkinnedControl(button, skinKey);
    return button;
}

void PlaceEditorTitle(CBaseDialog& dialog, QLabel& title, const std::string& skinKey) {
    title.setParent(&dialog);
    dialog.PlaceControl(&title, skinKey);
    StylePanelLabel(title);
    QFont font = PanelFont();
    font.setPointSize(kTitlePointSize);
    title.setFont(font);
}

}  // namespace keyloom
