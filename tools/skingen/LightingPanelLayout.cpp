#include "LightingPanelLayout.h"

#include <array>

namespace keyloom::skingen {

namespace {

using namespace lighting;

struct PanelPlace {
    const char* key;
    int x;  // from the panel's inner left edge
    int y;  // from the panel's top edge
    int width;
    int height;
};

// Rows from the top of the panel.
constexpr int kHeaderRow = 11;
constexpr int kModeRow = 58;
constexpr int kBrightnessRow = 96;
constexpr int kSpeedRow = 148;
constexpr int kDirectionRow = 200;
constexpr int kColourRow = 258;
constexpr int kMulticolourRow = 290;
constexpr int kRgbRow = 316;
// Modes without speed or direction put their own controls where those would be.
constexpr int kModeRow2 = kSpeedRow;
constexpr int kModeRow3 = kSpeedRow + 32;
constexpr int kModeRow4 = kSpeedRow + 64;
constexpr int kModeRow5 = kSpeedRow + 96;

constexpr int kLabelHeight = 18;
constexpr int kSliderOffset = 22;  // from a slider's label to the slider
constexpr int kBoxHeight = 26;
constexpr int kColourButtonX = 112;
constexpr QSize kColourButton{56, 26};
constexpr int kCaptionWidth = 104;
constexpr int kPictureLabelX = 32;
constexpr int kPictureLabelWidth = kInnerWidth - kPictureLabelX;
constexpr int kRgbBoxWidth = 50;
constexpr int kRgbBoxStep = 56;
constexpr int kRgbFirstBox = kInnerWidth - 3 * kRgbBoxStep + (kRgbBoxStep - kRgbBoxWidth);

static_assert(kRgbRow + kBoxHeight <= kContentHeight);

constexpr auto kPlaces = std::to_array<PanelPlace>({
    {"CONTROL_DengStatic", 0, kHeaderRow + 3, 140, kLabelHeight},
    {"CONTROL_DengStaPic", kInnerWidth - kSwitchSize.width(), kHeaderRow, kSwitchSize.width(),
     kSwitchSize.height()},
    {"CONTROL_XGcombox", 0, kModeRow, kInnerWidth, kBoxHeight},

    {"CONTROL_LightStatic", 0, kBrightnessRow, 160, kLabelHeight},
    {"CONTROL_LightSlider", 0, kBrightnessRow + kSliderOffset, kSliderSize.width(),
     kSliderSize.height()},
    {"CONTROL_SpeedStatic", 0, kSpeedRow, 160, kLabelHeight},
    {"CONTROL_SpeedSlider", 0, kSpeedRow + kSliderOffset, kSliderSize.width(),
     kSliderSize.height()},

    {"CONTROL_BLFXStatic", 0, kDirectionRow, 160, kLabelHeight},
    {"CONTROL_BLFXLStaPic", 0, kDirectionRow + kSliderOffset, kDirectionSize.width(),
     kDirectionSize.height()},
    {"CONTROL_BLFXRStaPic", kDirectionSize.width() + 8, kDirectionRow + kSliderOffset,
     kDirectionSize.width(), kDirectionSize.height()},
    {"CONTROL_BLFXStatic2", 0, kDirectionRow, 160, kLabelHeight},
    {"CONTROL_BLFXLStaPic2", 0, kDirectionRow + kSliderOffset, kDirectionSize.width(),
     kDirectionSize.height()},
    {"CONTROL_BLFXRStaPic2", kDirectionSize.width() + 8, kDirectionRow + kSliderOffset,
     kDirectionSize.width(), kDirectionSize.height()},
    {"CONTROL_BLFXStatic3", 0, kDirectionRow, 160, kLabelHeight},
    {"CONTROL_BLFXLStaPic3", 0, kDirectionRow + kSliderOffset, kDirectionSize.width(),
     kDirectionSize.height()},
    {"CONTROL_BLFXRStaPic3", kDirectionSize.width() + 8, kDirectionRow + kSliderOffset,
     kDirectionSize.width(), kDirectionSize.height()},

    {"CONTROL_JTysStatic", 0, kColourRow + 4, kCaptionWidth, kLabelHeight},
    {"CONTROL_JTysButton", kColourButtonX, kColourRow, kColourButton.width(),
     kColourButton.height()},

    {"CONTROL_HONGPIC", 0, kModeRow2, kFixedColourSize.width(), kFixedColourSize.height()},
    {"CONTROL_HUANGPIC", 54, kModeRow2, kFixedColourSize.width(), kFixedColourSize.height()},
    {"CONTROL_LVPIC", 108, kModeRow2, kFixedColourSize.width(), kFixedColourSize.height()},
    {"CONTROL_LANPIC", 162, kModeRow2, kFixedColourSize.width(), kFixedColourSize.height()},

    {"CONTROL_umCombo", 0, kModeRow2, kInnerWidth, kBoxHeight},
    {"CONTROL_USERysStatic", 0, kModeRow3 + 8, kCaptionWidth, kLabelHeight},
    {"CONTROL_USERysButton", kColourButtonX, kModeRow3 + 4, kColourButton.width(),
     kColourButton.height()},
    {"CONTROL_USERjsStatic", 0, kModeRow4 + 8, kCaptionWidth, kLabelHeight},
    {"CONTROL_USERjsButton", kColourButtonX, kModeRow4 + 4, kColourButton.width(),
     kColourButton.height()},
    {"CONTROL_USERgjStatic", 0, kModeRow5 + 10, kCaptionWidth, kLabelHeight},
    {"CONTROL_USERgjStaPic1", kColourButtonX, kModeRow5 + 4, kToolSize.width(), kToolSize.height()},
    {"CONTROL_USERgjStaPic2", kColourButtonX + kToolSize.width() + 8, kModeRow5 + 4,
     kToolSize.width(), kToolSize.height()},

    {"CONTROL_FYCFStatic", 0, kColourRow + 4, kCaptionWidth, kLabelHeight},
    {"CONTROL_FYdjcfStaPic", 0, kMulticolourRow, kMulticolourSize.width(),
     kMulticolourSize.height()},
    {"CONTROL_FYdjcfStatic", kPictureLabelX, kMulticolourRow + 3, 70, kLabelHeight},
    {"CONTROL_FYggcfStaPic", 108, kMulticolourRow, kMulticolourSize.width(),
     kMulticolourSize.height()},
    {"CONTROL_FYggcfStatc", 108 + kPictureLabelX, kMulticolourRow + 3, 68, kLabelHeight},

    {"CONTROL_Color1", 0, kColourRow, kSwatchSize.width(), kSwatchSize.height()},
    {"CONTROL_Color2", 26, kColourRow, kSwatchSize.width(), kSwatchSize.height()},
    {"CONTROL_Color3", 52, kColourRow, kSwatchSize.width(), kSwatchSize.height()},
    {"CONTROL_Color4", 78, kColourRow, kSwatchSize.width(), kSwatchSize.height()},
    {"CONTROL_Color5", 104, kColourRow, kSwatchSize.width(), kSwatchSize.height()},
    {"CONTROL_Color6", 130, kColourRow, kSwatchSize.width(), kSwatchSize.height()},
    {"CONTROL_Color7", 156, kColourRow, kSwatchSize.width(), kSwatchSize.height()},
    {"CONTROL_Color8", 182, kColourRow, kSwatchSize.width(), kSwatchSize.height()},

    {"CONTROL_RGBStatic", 0, kRgbRow + 4, 40, kLabelHeight},
    {"COLOR_R", kRgbFirstBox, kRgbRow, kRgbBoxWidth, kBoxHeight - 2},
    {"COLOR_G", kRgbFirstBox + kRgbBoxStep, kRgbRow, kRgbBoxWidth, kBoxHeight - 2},
    {"COLOR_B", kRgbFirstBox + 2 * kRgbBoxStep, kRgbRow, kRgbBoxWidth, kBoxHeight - 2},
});

// A colour caption with its colour button, and a multicolour picture with its caption below.
struct ColourGroup {
    const char* caption;
    const char* button;
    const char* picture;
    const char* pictureCaption;
    int row;
};

constexpr auto kColourGroups = std::to_array<ColourGroup>({
    {"CONTROL_HXysStatic", "CONTROL_HXysButton", "CONTROL_HXsjsStaPic", "CONTROL_HXsjsStatic",
     kColourRow},
    {"CONTROL_FYYSStatic", "CONTROL_FYYSButton", "CONTROL_FYSJSStaPic", "CONTROL_FYSJSStatic",
     kModeRow2},
    {"CONTROL_TSysStatic", "CONTROL_TSysButton", "CONTROL_TSsjsStaPic", "CONTROL_TSsjsStatic",
     kColourRow},
    {"CONTROL_CDysStatic", "CONTROL_CDysButton", "CONTROL_CDsjsStaPic", "CONTROL_CDsjsStatic",
     kColourRow},
});

std::array<PanelPlace, 4> PlacesOf(const ColourGroup& group) {
    return {{
        {group.caption, 0, group.row + 4, kCaptionWidth, kLabelHeight},
        {group.button, kColourButtonX, group.row, kColourButton.width(), kColourButton.height()},
        {group.picture, 0, group.row + 32, kMulticolourSize.width(), kMulticolourSize.height()},
        {group.pictureCaption, kPictureLabelX, group.row + 35, kPictureLabelWidth, kLabelHeight},
    }};
}

SkinControl ControlAt(QPoint inner, const PanelPlace& place) {
    return {place.key, QRect(inner + QPoint(place.x, place.y), QSize(place.width, place.height))};
}

}  // namespace

std::vector<SkinControl> LightingPanelControls(QPoint panel) {
    std::vector<SkinControl> controls;
    const QPoint inner = panel + QPoint(kInset, 0);
    for (const PanelPlace& place : kPlaces) {
        controls.push_back(ControlAt(inner, place));
    }
    for (const ColourGroup& group : kColourGroups) {
        for (const PanelPlace& place : PlacesOf(group)) {
            controls.push_back(ControlAt(inner, place));
        }
    }
    return controls;
}

}  // namespace keyloom::skingen
