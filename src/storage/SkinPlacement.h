#pragma once

#include "storage/SkinFile.h"

namespace keyloom {

// Which pictures a placed control draws its five states from.
enum class SkinSurfaces {
    kUnchanged,  // the control keeps what it had
    kStates,     // the dialog's full-window state pictures (normal, over, pressed, ...)
    kArrow,      // the arrow picture in every state
};

// What placing a control from its skin rectangle does to it. Windows apply it; the rules are
// kept here so that every window places its controls alike.
struct ControlPlacement {
    SkinRect rect;                // where the control goes and how large it is
    bool repaint = false;         // move with a repaint
    bool changesEnabled = false;  // whether `enabled` applies
    bool enabled = true;          //
    SkinSurfaces surfaces = SkinSurfaces::kUnchanged;
    int faceX = 0;  // origin of the control's face in its surfaces
    int faceY = 0;
};

// Image buttons: moved and sized, given the state pictures with their own position as face
// origin; one that the skin leaves at (1, 1) is disabled, whatever its size.
ControlPlacement PlaceSkinnedControl(const SkinRect& rect);

// Ordinary controls: moved and sized, nothing else.
ControlPlacement PlaceControl(const SkinRect& rect);

// Moved to the rectangle's corner with a repaint; the control keeps its size.
ControlPlacement MoveControlKeepSize(const SkinRect& rect, int currentWidth, int currentHeight);

// Arrow indicators: placed at `place`, showing the arrow picture from the face origin `face`.
ControlPlacement PlaceArrowControl(const SkinRect& place, const SkinRect& face);

}  // namespace keyloom
