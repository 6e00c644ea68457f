#pragma once

#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <map>
#include <span>
#include <string>

#include "controls/CBaseDialog.h"
#include "controls/CBitmapSlider.h"
#include "controls/CClickPicture.h"
#include "controls/CColorButton.h"
#include "controls/CNumberBox.h"
#include "controls/CPresetBox.h"
#include "preview/LightingPreview.h"
#include "session/LightingContext.h"
#include "ui/SkinPictures.h"

namespace keyloom {

// What the lighting panel asks of the main window it sits in.
class LightingPanelHost {
  public:
    virtual ~LightingPanelHost() = default;

    virtual LightingContext Lighting() = 0;
    // Selects the profile in view again, which may ask about unapplied changes; false when the
    // profile layer refused.
    virtual bool SelectProfileAgain() = 0;
    // Every key, G-key and Fn button loses its lighting frame and its mark.
    virtual void ClearKeyFrames() = 0;
    virtual void RedrawKeyMarks() = 0;
    virtual void SetKeyFrame(int control, bool on, Color color) = 0;
    virtual void MarkReportRate(int index) = 0;
    // A slider moved: the window hears of it as UM_SLIDER_POS.
    virtual void PostSliderPosition(int control, int position) = 0;
    // The view may have been switched on: the preview plays again if it rests.
    virtual void ResumePreview() = 0;
};

// The lighting panel of the main window: the switch of the lighting view, the mode box and the
// controls of the mode in view. Every change is written to the keyboard at once, and the user
// presets to their files. While the view is on the keyboard picture plays the mode's preview.
class LightingPanel : public QObject {
    Q_OBJECT

  public:
    // The controls are placed on `window` from its skin; the pictures come from `skinFolder`.
    LightingPanel(CBaseDialog& window, LightingPanelHost& host, LightingState& state,
                  const std::string& skinFolder, const std::string& languageFolder);

    // Captions and mode names in the language of the slot.
    void ApplyLanguage(int slot);

    // The mode and preset boxes, as the lighting operations see them.
    void ClearModeBox();
    int SelectedModeItem() const;
    void FillPresetBox(std::span<const std::string> names);

    // Shows the values of the lighting state just read: modes, sliders, colours, directions,
    // the user mode's preset, the switch and the controls of the mode.
    void RefreshLightingPanel();
    void LightingViewOn();
    void LightingViewOff();
    // The preset box from the profile's file, and the preset in use loaded and uploaded.
    void ReloadUserPresets();
    // The default lighting on the panel, the keyboard and, with the user mode, the presets.
    void RestoreDefaultLighting();

    // UM_SLIDER_POS.
    void OnSliderPosition(int control, int position);
    // One step of the preview, every 50 ms; nothing while the view is off.
    void PreviewTick();

    // A control of the panel by its id; null for none.
    QWidget* Control(int control) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateFixedColors();
    void CreateUserControls();
    template <typename Widget>
    Widget* Add(int control, const char* skinKey, Widget* widget);
    QLabel* AddLabel(int control, const char* skinKey);
    CClickPicture* AddPicture(int control, const char* skinKey, void (LightingPanel::*onClick)());
    CColorButton* AddColorButton(int control, const char* skinKey,
                                 void (LightingPanel::*onPick)(Color));
    QString LightText(const char* key) const;
    QString ModeName(int mode) const;

    // The mode box, the mode chosen in it and the controls it shows.
    void FillModeBox();
    void OnModeChosen(int item);
    int ModeInView() const;
    unsigned GroupsInView() const;
    void ShowGroups(unsigned groups);
    void LayOutDirection(int mode);

    // The controls' actions.
    void OnSwitch();
    void OnFirstDirection();
    void OnSecondDirection();
    void ChooseDirection(uint8_t direction);
    void OnColor(Color color);
    void OnMulticolor();
    void ChooseFixedColor(int fixedColor);
    void OnPresetChosen(int preset);
    void OnPresetRenamed(int preset, const QString& name);
    void OnUserColor(Color color);
    void OnBaseColor(Color color);
    void OnToolColor();
    void OnToolBaseColor();
    void ChooseTool(int tool);
    void SaveUserPaint();
    void WriteField(size_t field, uint8_t value);

    // Showing values.
    void ShowValues();
    void ShowBrightness(int brightness);
    void ShowSpeed(int speed);
    void ShowDirection(int mode, uint8_t direction);
    void ShowColor(Color color);
    void ShowMulticolor(bool on);
    void ShowFixedColor(int fixedColor);
    void ShowPresetSettings();
    void ShowTool(int tool);
    void ShowColorNumbers(Color color);
    void ShowKeyColors();

    CBaseDialog& m_window;
    LightingPanelHost& m_host;
    LightingState& m_state;
    std::string m_languageFolder;
    SkinPictures m_pictures;
    std::map<int, QWidget*> m_controls;
    CClickPicture* m_switch = nullptr;
    QComboBox* m_modeBox = nullptr;
    CBitmapSlider* m_brightness = nullptr;
    CBitmapSlider* m_speed = nullptr;
    CClickPicture* m_firstDirection = nullptr;
    CClickPicture* m_secondDirection = nullptr;
    CColorButton* m_stillColor = nullptr;
    CColorButton* m_effectColor = nullptr;
    CClickPicture* m_stillMulticolor = nullptr;
    CClickPicture* m_effectMulticolor = nullptr;
    std::array<CClickPicture*, 4> m_fixedColors{};
    CPresetBox* m_presetBox = nullptr;
    CColorButton* m_userColor = nullptr;
    CColorButton* m_baseColor = nullptr;
    CClickPicture* m_toolColor = nullptr;
    CClickPicture* m_toolBaseColor = nullptr;
    std::array<CNumberBox*, 3> m_colorNumbers{};
    int m_languageSlot = 0;
    LightingPreview m_preview;
    PreviewFrame m_frame{};
};

}  // namespace keyloom
