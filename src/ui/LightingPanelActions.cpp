// The lighting panel's controls at work: what each choice writes, and how values are shown.

#include <array>

#include "session/LightingOperations.h"
#include "session/UserLighting.h"
#include "ui/LightingPanel.h"
#include "ui/LightingPanelControls.h"
#include "ui/LightingPanelLayout.h"

namespace keyloom {

namespace {

constexpr int kSlowestSpeed = 9;
constexpr int kSpeedPictureFirst = 15;  // speed slider position p shows picture 15 + p
constexpr int kFixedColorCount = 4;

}  // namespace

void LightingPanel::OnModeChosen(int item) {
    const int mode = m_state.modes.ModeOfItem(item);
    m_host.ClearKeyFrames();
    LayOutDirection(mode);
    ShowDirection(mode, m_state.values.direction);
    LightingContext lighting = m_host.Lighting();
    // Lighting writes go unchecked: the next read shows what the keyboard took.
    (void)WriteMode(lighting, mode);
    if (mode == MODE_USER) {
        ShowKeyColors();
    }
    m_preview.Reset();
    ShowGroups(PanelGroupsOfMode(mode));
}

void LightingPanel::OnSwitch() {
    if (m_state.view) {
        LightingViewOff();
        return;
    }
    // Refused, the view stays on without its controls, as the user left the switch.
    m_state.view = true;
    m_host.ResumePreview();
    if (m_host.SelectProfileAgain()) {
        LightingViewOn();
    }
}

void LightingPanel::OnSliderPosition(int control, int position) {
    if (control == CONTROL_BRIGHTNESS_SLIDER) {
        m_brightness->SetPicture(m_pictures.SliderPicture(position));
        if (position != m_state.values.brightness) {
            m_state.values.brightness = position;
            WriteField(LIGHT_BRIGHTNESS, static_cast<uint8_t>(position));
        }
    } else if (control == CONTROL_SPEED_SLIDER) {
        m_speed->SetPicture(m_pictures.SliderPicture(kSpeedPictureFirst + position));
        const int speed = kSlowestSpeed - position;
        if (speed != m_state.values.speed) {
            m_state.values.speed = speed;
            WriteField(LIGHT_SPEED, static_cast<uint8_t>(speed));
        }
    }
}

void LightingPanel::OnFirstDirection() {
    ChooseDirection(LIGHT_DIRECTION_FIRST);
}

void LightingPanel::OnSecondDirection() {
    ChooseDirection(LIGHT_DIRECTION_SECOND);
}

void LightingPanel::ChooseDirection(uint8_t direction) {
    m_state.values.direction = direction;
    ShowDirection(ModeInView(), direction);
    WriteField(LIGHT_DIRECTION, direction);
}

// Either colour button: a single colour replaces the changing colours, in one write.
void LightingPanel::OnColor(Color color) {
    m_state.values.multicolor = false;
    ShowMulticolor(false);
    const std::array<uint8_t, 1 + RGB_SIZE> bytes = {0, RedOf(color), GreenOf(color),
                                                     BlueOf(color)};
    static_assert(LIGHT_MULTICOLOR + 1 == LIGHT_COLOR);
    LightingContext lighting = m_host.Lighting();
    (void)WriteLightingBytes(lighting, LIGHT_MULTICOLOR, bytes.data(), bytes.size());  // as above
    m_state.values.color = color;
    ShowColor(color);
}

void LightingPanel::OnMulticolor() {
    m_state.values.multicolor = !m_state.values.multicolor;
    ShowMulticolor(m_state.values.multicolor);
    WriteField(LIGHT_MULTICOLOR, m_state.values.multicolor ? 1 : 0);
}

void LightingPanel::ChooseFixedColor(int fixedColor) {
    m_state.values.fixedColor = fixedColor;
    ShowFixedColor(fixedColor);
    WriteField(LIGHT_FIXED_COLOR, static_cast<uint8_t>(fixedColor));
}

void LightingPanel::OnPresetChosen(int preset) {
    m_state.preset = preset;
    LightingContext lighting = m_host.Lighting();
    // A preset index that cannot be stored is logged where the file is written.
    (void)lighting.files.LightingFile(m_state.Profile()).WritePresetIndex(preset);
    (void)LoadUserPreset(lighting);  // as above
    ShowPresetSettings();
    ShowKeyColors();
}

void LightingPanel::OnPresetRenamed(int, const QString& name) {
    // A name that cannot be stored is logged where the file is written.
    (void)m_host.Lighting()
        .files.LightingFile(m_state.Profile())
        .WritePresetName(m_state.preset, name.toStdString());
}

void LightingPanel::OnUserColor(Color color) {
    m_state.paint.color = color;
    ShowColorNumbers(color);
    SaveUserPaint();
}

void LightingPanel::OnBaseColor(Color color) {
    LightingContext lighting = m_host.Lighting();
    (void)SetBaseColor(lighting, color);  // as above
}

void LightingPanel::OnToolColor() {
    ChooseTool(TOOL_COLOR);
}

void LightingPanel::OnToolBaseColor() {
    ChooseTool(TOOL_BASE_COLOR);
}

void LightingPanel::ChooseTool(int tool) {
    m_state.paint.tool = tool;
    ShowTool(tool);
    SaveUserPaint();
}

void LightingPanel::SaveUserPaint() {
    // Paint settings that cannot be stored are logged where the file is written.
    (void)m_host.Lighting()
        .files.LightingFile(m_state.Profile())
        .WritePresetSettings(m_state.preset, m_state.paint);
}

void LightingPanel::WriteField(size_t field, uint8_t value) {
    LightingContext lighting = m_host.Lighting();
    // Lighting writes go unchecked: the next read shows what the keyboard took.
    (void)WriteLightingBytes(lighting, field, &value, 1);
}

void LightingPanel::ShowValues() {
    const LightingValues& values = m_state.values;
    m_host.MarkReportRate(values.reportRate);
    ShowBrightness(values.brightness);
    ShowSpeed(values.speed);
    ShowColor(values.color);
    ShowMulticolor(values.multicolor);
    ShowFixedColor(values.fixedColor < kFixedColorCount ? values.fixedColor : 0);
    ShowDirection(values.mode, values.direction);
}

void LightingPanel::ShowBrightness(int brightness) {
    m_brightness->SetPosition(brightness);
    m_brightness->SetPicture(m_pictures.SliderPicture(brightness));
}

void LightingPanel::ShowSpeed(int speed) {
    m_speed->SetPosition(kSlowestSpeed - speed);
    m_speed->SetPicture(m_pictures.SliderPicture(kSpeedPictureFirst + kSlowestSpeed - speed));
}

void LightingPanel::ShowDirection(int mode, uint8_t direction) {
    const DirectionPictures& pictures = DirectionPicturesOf(mode);
    m_firstDirection->SetImages(m_pictures.Picture(pictures.firstPlain),
                                m_pictures.Picture(pictures.firstSelected));
    m_secondDirection->SetImages(m_pictures.Picture(pictures.secondPlain),
                                 m_pictures.Picture(pictures.secondSelected));
    m_firstDirection->SetSelected(direction == LIGHT_DIRECTION_FIRST);
    m_secondDirection->SetSelected(direction != LIGHT_DIRECTION_FIRST);
}

void LightingPanel::ShowColor(Color color) {
    m_stillColor->SetColor(color);
    m_effectColor->SetColor(color);
    ShowColorNumbers(color);
}

// One flag behind both pictures, so both always show it.
void LightingPanel::ShowMulticolor(bool on) {
    m_stillMulticolor->SetSelected(on);
    m_effectMulticolor->SetSelected(on);
}

void LightingPanel::ShowFixedColor(int fixedColor) {
    for (size_t i = 0; i < m_fixedColors.size(); ++i) {
        m_fixedColors[i]->SetSelected(static_cast<int>(i) == fixedColor);
    }
}

void LightingPanel::ShowPresetSettings() {
    m_presetBox->SelectPreset(m_state.preset);
    m_baseColor->SetColor(m_state.paint.baseColor);
    m_userColor->SetColor(m_state.paint.color);
    ShowTool(m_state.paint.tool);
}

void LightingPanel::ShowTool(int tool) {
    m_toolColor->SetSelected(tool == TOOL_COLOR);
    m_toolBaseColor->SetSelected(tool == TOOL_BASE_COLOR);
}

void LightingPanel::ShowColorNumbers(Color color) {
    const std::array<uint8_t, RGB_SIZE> parts = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (size_t i = 0; i < parts.size(); ++i) {
        m_colorNumbers[i]->setText(QString::number(parts[i]));
    }
}

void LightingPanel::ShowKeyColors() {
    LightingContext lighting = m_host.Lighting();
    keyloom::ShowKeyColors(lighting);
}

}  // namespace keyloom
