#pragma once

#include <QRect>

#include "FaceState.h"
#include "KeyboardLayout.h"

class QPainter;

namespace keyloom::skingen {

// Draws a key cap filling `rect` less a one-pixel margin, in the look of `state`: a dark skirt
// with a lighter, rounded top carrying the legend. `hue` (0 to 1) colours the legend of the lit
// look.
void PaintKeyCap(QPainter& painter, const QRect& rect, const KeyLegend& legend, FaceState state,
                 double hue);

}  // namespace keyloom::skingen
