#pragma once

// The maker's mark and the title badges of the dialogs.

#include <QColor>
#include <QRect>

#include "FaceState.h"
#include "SkinControl.h"

class QPainter;

namespace keyloom::skingen {

// The mark (a key-shaped badge) followed by the word mark, left-aligned in `rect`.
void PaintLogo(QPainter& painter, const QRect& rect, FaceState state);

// The mark alone filling `box`: the application's icon.
void PaintAppMark(QPainter& painter, const QRectF& box);

// A rounded accent badge with a white icon, centred in `rect`.
void PaintBadge(QPainter& painter, const QRect& rect, const BadgeFace& face, FaceState state);

// The word mark at its full size, starting at `leftMiddle` and centred on it vertically.
void PaintWordMark(QPainter& painter, QPointF leftMiddle, const QColor& colour);

// The word mark printed small and spaced, centred in `box`.
void PaintBrandPrint(QPainter& painter, const QRectF& box, const QColor& colour);

}  // namespace keyloom::skingen
