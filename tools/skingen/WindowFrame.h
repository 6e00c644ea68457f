#pragma once

// The frame every skinned window shares: a rounded dark window with a title band, panels, insets
// behind ordinary controls, and the outline picture that cuts the window's shape.

#include <QImage>
#include <QRect>

#include "FaceState.h"
#include "SkinControl.h"

class QPainter;

namespace keyloom::skingen {

// Window background with a title band of `titleHeight` pixels.
void PaintWindowFrame(QPainter& painter, QSize size, int titleHeight);

// A raised card, such as the keyboard's plate or a side panel.
void PaintPanel(QPainter& painter, const QRectF& box, QRgb fill);

// A sunken inset behind an ordinary control lying at `control`.
void PaintWell(QPainter& painter, const QRect& control);

// A dialog's page area.
void PaintPage(QPainter& painter, const QRect& rect, const PageFace& face, FaceState state);

// Black inside the window's rounded shape, pure white outside.
QImage OutlinePicture(QSize size);

}  // namespace keyloom::skingen
