#pragma once

// The lighting panel beside the keyboard: where its labels, boxes, sliders and pictures go, and
// the sizes of the pictures it shows.

#include <QPoint>
#include <QSize>
#include <vector>

#include "SkinControl.h"

namespace keyloom::skingen {

namespace lighting {

inline constexpr int kPanelWidth = 240;
inline constexpr int kInset = 16;  // from the panel's edge to its controls
inline constexpr int kInnerWidth = kPanelWidth - 2 * kInset;

inline constexpr QSize kSwitchSize{46, 24};
inline constexpr QSize kSliderSize{kInnerWidth, 20};
inline constexpr QSize kDirectionSize{48, 26};
inline constexpr QSize kFixedColourSize{46, 28};
inline constexpr QSize kMulticolourSize{24, 24};
inline constexpr QSize kToolSize{40, 28};
inline constexpr QSize kBusySize{150, 8};
inline constexpr QSize kSwatchSize{22, 22};

// Height of the panel's header band, which holds the lighting switch and its label.
inline constexpr int kHeaderHeight = 46;

// Height the panel needs for its controls.
inline constexpr int kContentHeight = 344;

}  // namespace lighting

// The panel's controls, its top-left corner at `panel`. Controls shown for different lighting
// modes share places; the controls the panel keeps hidden lie among them.
std::vector<SkinControl> LightingPanelControls(QPoint panel);

}  // namespace keyloom::skingen
