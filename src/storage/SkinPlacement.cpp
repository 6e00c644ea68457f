#include "storage/SkinPlacement.h"

namespace keyloom {

ControlPlacement PlaceSkinnedControl(const SkinRect& rect) {
    ControlPlacement placement;
    placement.rect = rect;
    placement.changesEnabled = true;
    placement.enabled = !(rect.x == 1 && rect.y == 1);
    placement.surfaces = SkinSurfaces::kStates;
    placement.faceX = rect.x;
    placement.faceY = rect.y;
    return placement;
}

ControlPlacement PlaceControl(const SkinRect& rect) {
    ControlPlacement placement;
    placement.rect = rect;
    return placement;
}

ControlPlacement MoveControlKeepSize(const SkinRect& rect, int currentWidth, int currentHeight) {
    ControlPlacement placement;
    placement.rect = {rect.x, rect.y, currentWidth, currentHeight};
    placement.repaint = true;
    return placement;
}

ControlPlacement PlaceArrowControl(const SkinRect& place, const SkinRect& face) {
    ControlPlacement placement;
    placement.rect = place;
    placement.surfaces = SkinSurfaces::kArrow;
    placement.faceX = face.x;
    placement.faceY = face.y;
    return placement;
}

}  // namespace keyloom
