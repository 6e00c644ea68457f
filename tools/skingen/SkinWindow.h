#pragma once

// A skinned window as the skin describes it: its size, what lies under its controls and the
// controls themselves.

#include <QImage>
#include <QSize>
#include <functional>
#include <vector>

#include "FaceState.h"
#include "SkinControl.h"

class QPainter;

namespace keyloom::skingen {

struct SkinWindow {
    QSize size;
    std::function<void(QPainter&)> paintBackdrop;
    std::vector<SkinControl> controls;    // section BUTTONINFO
    std::vector<SkinControl> arrowFaces;  // section BUTTONINFO2: origins in the arrow picture
};

// The full-window picture with every control in the look of `state`.
QImage RenderSkinWindow(const SkinWindow& window, FaceState state);

}  // namespace keyloom::skingen
