#pragma once

// Indicator lamps with their printed labels.

#include <QRect>

#include "FaceState.h"
#include "SkinControl.h"

class QPainter;

namespace keyloom::skingen {

void PaintIndicator(QPainter& painter, const QRect& rect, const IndicatorFace& face,
                    FaceState state);

}  // namespace keyloom::skingen
