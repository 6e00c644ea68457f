#include "ui/LightingPanel.h"

#include <QEvent>
#include <QKeyEvent>
#include <array>

#include "model/KeyButtonTable.h"

#include "controls/PanelStyle.h"
#include "session/LightingOperations.h"
#include "session/UserLighting.h"
#include "storage/LanguageTables.h"
#include "ui/LightingPanelControls.h"
#include "ui/LightingPanelLayout.h"

namespace keyloom {

namespace {

struct PanelLabel {
    int control;
    const char* skinKey;
    const char* textKey;  // in section LIGHT; null for a caption of its own
};

constexpr std::array kLabels = {
    PanelLabel{CONTROL_LIGHT_SWITCH_LABEL, "CONTROL_DengStatic", "Deng"},
    PanelLabel{CONTROL_BRIGHTNESS_LABEL, "CONTROL_LightStatic", "Light"},
    PanelLabel{CONTROL_SPEED_LABEL, "CONTROL_SpeedStatic", "Speed"},
    PanelLabel{CONTROL_DIRECTION_LABEL, "CONTROL_BLFXStatic", "FX"},
    PanelLabel{CONTROL_STILL_COLOR_LABEL, "CONTROL_FYYSStatic", "Color"},
    PanelLabel{CONTROL_STILL_MULTICOLOR_LABEL, "CONTROL_FYSJSStatic", "DC"},
    PanelLabel{CONTROL_EFFECT_COLOR_LABEL, "CONTROL_HXysStatic", "Color"},
    PanelLabel{CONTROL_EFFECT_MULTICOLOR_LABEL, "CONTROL_HXsjsStatic", "DC"},
    PanelLabel{CONTROL_USER_COLOR_LABEL, "CONTROL_USERysStatic", "Color"},
    PanelLabel{CONTROL_BASE_COLOR_LABEL, "CONTROL_USERjsStatic", "JColor"},
    PanelLabel{CONTROL_TOOL_LABEL, "CONTROL_USERgjStatic", "Tool"},
    PanelLabel{CONTROL_REPORT_RATE_LABEL, "CONTROL_UsbStatic", "Usb"},
    PanelLabel{CONTROL_RGB_LABEL, "CONTROL_RGBStatic", nullptr},
};
constexpr const char* kRgbCaption = "RGB";
constexpr const char* kOtherColorText = "Other";

// The group whose visibility each control follows; the switch, its label and the report-rate
// caption are always shown.
struct GroupMember {
    int control;
    unsigned group;
};

constexpr std::array kGroupMembers = {
    GroupMember{CONTROL_MODE_BOX, GROUP_MODE_BOX},
    GroupMember{CONTROL_BRIGHTNESS_LABEL, GROUP_BRIGHTNESS},
    GroupMember{CONTROL_BRIGHTNESS_SLIDER, GROUP_BRIGHTNESS},
    GroupMember{CONTROL_SPEED_LABEL, GROUP_SPEED},
    GroupMember{CONTROL_SPEED_SLIDER, GROUP_SPEED},
    GroupMember{CONTROL_DIRECTION_LABEL, GROUP_DIRECTION},
    GroupMember{CONTROL_DIRECTION_FIRST, GROUP_DIRECTION},
    GroupMember{CONTROL_DIRECTION_SECOND, GROUP_DIRECTION},
    GroupMember{CONTROL_STILL_COLOR_LABEL, GROUP_STILL_COLOR},
    GroupMember{CONTROL_STILL_COLOR, GROUP_STILL_COLOR},
    GroupMember{CONTROL_STILL_MULTICOLOR, GROUP_STILL_COLOR},
    GroupMember{CONTROL_STILL_MULTICOLOR_LABEL, GROUP_STILL_COLOR},
    GroupMember{CONTROL_EFFECT_COLOR_LABEL, GROUP_EFFECT_COLOR},
    GroupMember{CONTROL_EFFECT_COLOR, GROUP_EFFECT_COLOR},
    GroupMember{CONTROL_EFFECT_MULTICOLOR, GROUP_EFFECT_COLOR},
    GroupMember{CONTROL_EFFECT_MULTICOLOR_LABEL, GROUP_EFFECT_COLOR},
    GroupMember{CONTROL_FIXED_RED, GROUP_FIXED_COLOR},
    GroupMember{CONTROL_FIXED_YELLOW, GROUP_FIXED_COLOR},
    GroupMember{CONTROL_FIXED_GREEN, GROUP_FIXED_COLOR},
    GroupMember{CONTROL_FIXED_BLUE, GROUP_FIXED_COLOR},
    GroupMember{CONTROL_PRESET_BOX, GROUP_USER},
    GroupMember{CONTROL_USER_COLOR_LABEL, GROUP_USER},
    GroupMember{CONTROL_USER_COLOR, GROUP_USER},
    GroupMember{CONTROL_BASE_COLOR_LABEL, GROUP_USER},
    GroupMember{CONTROL_BASE_COLOR, GROUP_USER},
    GroupMember{CONTROL_TOOL_LABEL, GROUP_USER},
    GroupMember{CONTROL_TOOL_COLOR, GROUP_USER},
    GroupMember{CONTROL_TOOL_BASE_COLOR, GROUP_USER},
    GroupMember{CONTROL_RGB_LABEL, GROUP_RGB},
    GroupMember{CONTROL_RED_BOX, GROUP_RGB},
    GroupMember{CONTROL_GREEN_BOX, GROUP_RGB},
    GroupMember{CONTROL_BLUE_BOX, GROUP_RGB},
};

struct NumberBox {
    int control;
    const char* skinKey;
};
constexpr std::array kNumberBoxes = {
    NumberBox{CONTROL_RED_BOX, "COLOR_R"},
    NumberBox{CONTROL_GREEN_BOX, "COLOR_G"},
    NumberBox{CONTROL_BLUE_BOX, "COLOR_B"},
};

constexpr int kBrightnessMin = 1;
constexpr int kBrightnessMax = 14;
constexpr int kSpeedPositions = 10;
constexpr int kDefaultModeItemMode = 1;  // the mode the default lighting chooses
constexpr Color kWhite = ColorOfRgb(255, 255, 255);

}  // namespace

LightingPanel::LightingPanel(CBaseDialog& window, LightingPanelHost& host, LightingState& state,
                             const std::string& skinFolder, const std::string& languageFolder)
    : QObject(&window),
      m_window(window),
      m_host(host),
      m_state(state),
      m_languageFolder(languageFolder),
      m_pictures(skinFolder) {
    CreateControls();
    ShowGroups(0);
    m_switch->SetSelected(false);
}

template <typename Widget>
Widget* LightingPanel::Add(int control, const char* skinKey, Widget* widget) {
    widget->setParent(&m_window);
    m_window.PlaceControl(widget, skinKey);
    m_controls[control] = widget;
    return widget;
}

QLabel* LightingPanel::AddLabel(int control, const char* skinKey) {
    auto* label = Add(control, skinKey, new QLabel);
    StylePanelLabel(*label);
    return label;
}

CClickPicture* LightingPanel::AddPicture(int control, const char* skinKey,
                                         void (LightingPanel::*onClick)()) {
    auto* picture = Add(control, skinKey, new CClickPicture);
    connect(picture, &CClickPicture::clicked, this, onClick);
    return picture;
}

CColorButton* LightingPanel::AddColorButton(int control, const char* skinKey,
                                            void (LightingPanel::*onPick)(Color)) {
    auto* button = Add(control, skinKey, new CColorButton(kWhite));
    connect(button, &CColorButton::colorPicked, this, onPick);
    return button;
}

void LightingPanel::CreateControls() {
    for (const PanelLabel& label : kLabels) {
        AddLabel(label.control, label.skinKey);
    }
    m_switch = AddPicture(CONTROL_LIGHT_SWITCH, "CONTROL_DengStaPic", &LightingPanel::OnSwitch);
    m_switch->SetImages(m_pictures.Picture("dengup.bmp"), m_pictures.Picture("dengdown.bmp"));

    m_modeBox = Add(CONTROL_MODE_BOX, "CONTROL_XGcombox", new QComboBox);
    StylePanelComboBox(*m_modeBox);
    m_modeBox->installEventFilter(this);
    connect(m_modeBox, &QComboBox::activated, this, &LightingPanel::OnModeChosen);

    const auto report = [this](int control, int position) {
        m_host.PostSliderPosition(control, position);
    };
    m_brightness =
        Add(CONTROL_BRIGHTNESS_SLIDER, "CONTROL_LightSlider",
            new CBitmapSlider(CONTROL_BRIGHTNESS_SLIDER, kBrightnessMin, kBrightnessMax));
    m_speed = Add(CONTROL_SPEED_SLIDER, "CONTROL_SpeedSlider",
                  new CBitmapSlider(CONTROL_SPEED_SLIDER, 0, kSpeedPositions - 1));
    m_brightness->SetPositionReport(report);
    m_speed->SetPositionReport(report);

    m_firstDirection = AddPicture(CONTROL_DIRECTION_FIRST, "CONTROL_BLFXLStaPic",
                                  &LightingPanel::OnFirstDirection);
    m_secondDirection = AddPicture(CONTROL_DIRECTION_SECOND, "CONTROL_BLFXRStaPic",
                                   &LightingPanel::OnSecondDirection);

    m_stillColor =
        AddColorButton(CONTROL_STILL_COLOR, "CONTROL_FYYSButton", &LightingPanel::OnColor);
    m_effectColor =
        AddColorButton(CONTROL_EFFECT_COLOR, "CONTROL_HXysButton", &LightingPanel::OnColor);
    m_stillMulticolor =
        AddPicture(CONTROL_STILL_MULTICOLOR, "CONTROL_FYSJSStaPic", &LightingPanel::OnMulticolor);
    m_effectMulticolor =
        AddPicture(CONTROL_EFFECT_MULTICOLOR, "CONTROL_HXsjsStaPic", &LightingPanel::OnMulticolor);
    for (CClickPicture* picture : {m_stillMulticolor, m_effectMulticolor}) {
        picture->SetImages(m_pictures.Picture("sjsup.bmp"), m_pictures.Picture("sjsdown.bmp"));
    }

    CreateFixedColors();
    CreateUserControls();
    for (size_t i = 0; i < kNumberBoxes.size(); ++i) {
        m_colorNumbers[i] = Add(kNumberBoxes[i].control, kNumberBoxes[i].skinKey, new CNumberBox);
    }
}

void LightingPanel::CreateFixedColors() {
    struct FixedColor {
        int control;
        const char* skinKey;
        const char* plain;
        const char* selected;
    };
    static constexpr std::array kFixedColors = {
        FixedColor{CONTROL_FIXED_RED, "CONTROL_HONGPIC", "hong.bmp", "hongok.bmp"},
        FixedColor{CONTROL_FIXED_YELLOW, "CONTROL_HUANGPIC", "huang.bmp", "huangok.bmp"},
        FixedColor{CONTROL_FIXED_GREEN, "CONTROL_LVPIC", "lv.bmp", "lvok.bmp"},
        FixedColor{CONTROL_FIXED_BLUE, "CONTROL_LANPIC", "lan.bmp", "lanok.bmp"},
    };
    for (size_t i = 0; i < kFixedColors.size(); ++i) {
        const FixedColor& fixed = kFixedColors[i];
        auto* picture = Add(fixed.control, fixed.skinKey, new CClickPicture);
        picture->SetImages(m_pictures.Picture(fixed.plain), m_pictures.Picture(fixed.selected));
        connect(picture, &CClickPicture::clicked, this,
                [this, i] { ChooseFixedColor(static_cast<int>(i)); });
        m_fixedColors[i] = picture;
    }
}

void LightingPanel::CreateUserControls() {
    m_presetBox = Add(CONTROL_PRESET_BOX, "CONTROL_umCombo", new CPresetBox);
    connect(m_presetBox, &CPresetBox::presetChosen, this, &LightingPanel::OnPresetChosen);
    connect(m_presetBox, &CPresetBox::presetRenamed, this, &LightingPanel::OnPresetRenamed);
    m_userColor =
        AddColorButton(CONTROL_USER_COLOR, "CONTROL_USERysButton", &LightingPanel::OnUserColor);
    m_baseColor =
        AddColorButton(CONTROL_BASE_COLOR, "CONTROL_USERjsButton", &LightingPanel::OnBaseColor);
    m_toolColor =
        AddPicture(CONTROL_TOOL_COLOR, "CONTROL_USERgjStaPic1", &LightingPanel::OnToolColor);
    m_toolBaseColor = AddPicture(CONTROL_TOOL_BASE_COLOR, "CONTROL_USERgjStaPic2",
                                 &LightingPanel::OnToolBaseColor);
    m_toolColor->SetImages(m_pictures.Picture("user1up.bmp"), m_pictures.Picture("user1down.bmp"));
    m_toolBaseColor->SetImages(m_pictures.Picture("user2up.bmp"),
                               m_pictures.Picture("user2down.bmp"));
}

void LightingPanel::ApplyLanguage(int slot) {
    m_languageSlot = slot;
    for (const PanelLabel& label : kLabels) {
        auto* widget = static_cast<QLabel*>(m_controls.at(label.control));
        widget->setText(label.textKey != nullptr ? LightText(label.textKey)
                                                 : QString::fromLatin1(kRgbCaption));
    }
    for (CColorButton* button : {m_stillColor, m_effectColor, m_userColor, m_baseColor}) {
        button->SetOtherText(LightText(kOtherColorText));
    }
    for (int item = 0; item < m_modeBox->count(); ++item) {
        m_modeBox->setItemText(item, ModeName(m_state.modes.ModeOfItem(item)));
    }
}

QString LightingPanel::LightText(const char* key) const {
    return QString::fromStdString(LangLightText(key, m_languageSlot, m_languageFolder));
}

QString LightingPanel::ModeName(int mode) const {
    return QString::fromStdString(
        LangModeText(std::to_string(mode), m_languageSlot, m_languageFolder));
}

void LightingPanel::ClearModeBox() {
    m_modeBox->clear();
}

int LightingPanel::SelectedModeItem() const {
    return m_modeBox->currentIndex();
}

void LightingPanel::FillPresetBox(std::span<const std::string> names) {
    m_presetBox->SetPresets(names);
}

QWidget* LightingPanel::Control(int control) const {
    const auto found = m_controls.find(control);
    return found != m_controls.end() ? found->second : nullptr;
}

// The arrow keys would change the mode one by one, each written to the keyboard.
bool LightingPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_modeBox && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                return true;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void LightingPanel::FillModeBox() {
    m_modeBox->clear();
    for (int item = 0; item < m_state.modes.Count(); ++item) {
        m_modeBox->addItem(ModeName(m_state.modes.ModeOfItem(item)));
    }
}

int LightingPanel::ModeInView() const {
    return m_state.modes.ModeOfItem(m_modeBox->currentIndex());
}

// A mode the keyboard does not announce still leaves the box to choose another.
unsigned LightingPanel::GroupsInView() const {
    const int mode = ModeInView();
    return mode == MODE_NONE ? GROUP_MODE_BOX : PanelGroupsOfMode(mode);
}

void LightingPanel::ShowGroups(unsigned groups) {
    for (const GroupMember& member : kGroupMembers) {
        m_controls.at(member.control)->setVisible((groups & member.group) != 0);
    }
    // The numbers are those of the colour button in view.
    ShowColorNumbers(ModeInView() == MODE_USER ? m_state.paint.color : m_state.values.color);
}

void LightingPanel::LayOutDirection(int mode) {
    const std::pair<int, const char*> controls[] = {
        {CONTROL_DIRECTION_LABEL, "CONTROL_BLFXStatic"},
        {CONTROL_DIRECTION_FIRST, "CONTROL_BLFXLStaPic"},
        {CONTROL_DIRECTION_SECOND, "CONTROL_BLFXRStaPic"},
    };
    for (const auto& [control, key] : controls) {
        m_window.MoveControlKeepSize(m_controls.at(control), DirectionSkinKey(key, mode));
    }
}

void LightingPanel::RefreshLightingPanel() {
    FillModeBox();
    ShowValues();
    ShowPresetSettings();
    m_modeBox->setCurrentIndex(m_state.modes.ItemOfMode(m_state.values.mode));
    m_switch->SetSelected(m_state.view);
    if (m_state.view && ModeInView() == MODE_USER) {
        ShowKeyColors();
    }
    ShowGroups(m_state.view ? GroupsInView() : 0);
    LayOutDirection(m_state.values.mode);
    m_host.ResumePreview();
}

void LightingPanel::LightingViewOn() {
    m_state.view = true;
    // The view is on for this session even when the settings file cannot keep it.
    (void)m_host.Lighting().files.SettingsFile().WriteLightingViewFlag(true);
    m_switch->SetSelected(true);
    m_host.ClearKeyFrames();
    const int mode = ModeInView();
    if (mode == MODE_USER) {
        ShowKeyColors();
    }
    ShowGroups(GroupsInView());
    LayOutDirection(mode);
    m_baseColor->SetColor(m_state.paint.baseColor);
    m_preview.Reset();
}

void LightingPanel::LightingViewOff() {
    m_state.view = false;
    (void)m_host.Lighting().files.SettingsFile().WriteLightingViewFlag(false);  // as above
    m_switch->SetSelected(false);
    m_host.ClearKeyFrames();
    m_host.RedrawKeyMarks();
    ShowGroups(0);
}

void LightingPanel::ReloadUserPresets() {
    LightingContext lighting = m_host.Lighting();
    // Lighting writes go unchecked: the next read shows what the keyboard took.
    (void)keyloom::ReloadUserPresets(lighting);
    ShowPresetSettings();
}

void LightingPanel::RestoreDefaultLighting() {
    const int item = m_state.modes.ItemOfMode(kDefaultModeItemMode);
    m_modeBox->setCurrentIndex(item);
    OnModeChosen(item);
    LightingContext lighting = m_host.Lighting();
    if (m_state.modes.Contains(MODE_USER)) {
        // A shipped file that cannot be copied leaves empty presets; the copy logs why.
        (void)lighting.files.ResetUserLighting(m_state.Profile());
        ReloadUserPresets();
    }
    (void)WriteDefaultLighting(lighting);  // unchecked, as above
    ShowValues();
}

void LightingPanel::PreviewTick() {
    if (!m_state.view) {
        return;
    }
    switch (m_preview.Tick(m_state.values, m_frame)) {
        case PreviewStep::kFrame: {
            const auto buttons = LightingButtons();
            for (size_t i = 0; i < buttons.size(); ++i) {
                const bool on = m_frame[i] != NO_KEY_FRAME;
                m_host.SetKeyFrame(buttons[i].control, on, on ? m_frame[i] : 0);
            }
            break;
        }
        case PreviewStep::kClear:
            m_host.ClearKeyFrames();
            break;
        case PreviewStep::kKeep:
            break;
    }
}

}  // namespace keyloom
