#include "BrandPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "SkinPalette.h"
#include "SkinText.h"

namespace keyloom::skingen {

namespace {

constexpr const char* kWordMark = "KEYLOOM";

QRgb BadgeTop(FaceState state) {
    using namespace palette;
    return state == FaceState::kOver       ? kAccentLight
           : state == FaceState::kDown     ? kAccentDeep
           : state == FaceState::kDisabled ? kButtonOverTop
                                           : kButtonPrimaryTop;
}

void PaintBadgeShape(QPainter& p, const QRectF& box, FaceState state) {
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, Colour(BadgeTop(state)));
    shade.setColorAt(
        1, Colour(state == FaceState::kDisabled ? palette::kButtonBottom : palette::kAccentDeep));
    QPainterPath shape;
    const double radius = box.width() * 0.28;
    shape.addRoundedRect(box, radius, radius);
    p.fillPath(shape, shade);
}

// The mark: a key cap seen from above with a loop through it.
void PaintMark(QPainter& p, const QRectF& box, FaceState state) {
    PaintBadgeShape(p, box, state);
    const QRectF cap = box.adjusted(box.width() * 0.24, box.height() * 0.24, -box.width() * 0.24,
                                    -box.height() * 0.24);
    p.setPen(QPen(Colour(palette::kIconBright), box.width() * 0.08, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cap, cap.width() * 0.22, cap.width() * 0.22);
    p.drawEllipse(cap.center(), cap.width() * 0.16, cap.width() * 0.16);
}

}  // namespace

void PaintLogo(QPainter& painter, const QRect& rect, FaceState state) {
    using namespace palette;
    const QRectF box(rect);
    const double side = box.height() - 4;
    const QRectF mark(box.left() + 2, box.top() + 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintMark(painter, mark, state);
    const QRgb word = state == FaceState::kOver   ? kAccentLight
                      : state == FaceState::kDown ? kAccent
                                                  : kIconBright;
    PaintWordMark(painter, QPointF(mark.right() + 10, box.center().y()), Colour(word));
    painter.restore();
}

void PaintAppMark(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintMark(painter, box, FaceState::kNormal);
    painter.restore();
}

void PaintWordMark(QPainter& painter, QPointF leftMiddle, const QColor& colour) {
    const QFont font = SkinFont({17, QFont::Bold, 2.5});
    DrawTextAt(painter, leftMiddle - QPointF(0, QFontMetricsF(font).capHeight() / 2), kWordMark,
               font, colour);
}

void PaintBadge(QPainter& painter, const QRect& rect, const BadgeFace& face, FaceState state) {
    const double side = std::min(rect.width(), rect.height()) - 4;
    const QRectF box(QRectF(rect).center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintBadgeShape(painter, box, state);
    PaintIcon(painter, box.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2), face.icon,
              Colour(palette::kIconBright));
    painter.restore();
}

void PaintBrandPrint(QPainter& painter, const QRectF& box, const QColor& colour) {
    DrawCentredText(painter, box, kWordMark, SkinFont({9, QFont::Bold, 4}), colour);
}

}  // namespace keyloom::skingen
