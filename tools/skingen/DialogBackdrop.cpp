#include "DialogBackdrop.h"

#include <QPainter>

#include "BrandPainter.h"
#include "SkinPalette.h"
#include "WindowFrame.h"

namespace keyloom::skingen {

void DialogBackdrop::operator()(QPainter& painter) const {
    PaintWindowFrame(painter, size, titleHeight);
    if (!badge.isEmpty()) {
        PaintBadge(painter, badge, BadgeFace{badgeIcon}, FaceState::kNormal);
    }
    if (wordMark) {
        const QRectF band(badge.right() + 14, 0, 0, titleHeight);
        PaintWordMark(painter, band.topLeft() + QPointF(0, titleHeight / 2.0),
                      Colour(palette::kLegendSoft));
    }
    for (const QRect& well : wells) {
        PaintWell(painter, well);
    }
}

}  // namespace keyloom::skingen
