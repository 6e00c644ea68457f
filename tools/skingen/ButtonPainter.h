#pragma once

// Button faces: buttons captioned at run time, icon buttons, segments of a row of choices and tabs.

#include <QRect>

#include "FaceState.h"
#include "SkinControl.h"

class QPainter;

namespace keyloom::skingen {

void PaintButton(QPainter& painter, const QRect& rect, const ButtonFace& face, FaceState state);
void PaintIconButton(QPainter& painter, const QRect& rect, const IconButtonFace& face,
                     FaceState state);
void PaintSegment(QPainter& painter, const QRect& rect, const SegmentFace& face, FaceState state);
void PaintTab(QPainter& painter, const QRect& rect, const TabFace& face, FaceState state);

}  // namespace keyloom::skingen
