#include "IndicatorPainter.h"

#include <QPainter>
#include <QRadialGradient>

#include "SkinPalette.h"
#include "SkinText.h"

namespace keyloom::skingen {

namespace {

constexpr double kLampRadius = 3.5;
constexpr double kGlowRadius = 9.0;

void PaintLamp(QPainter& p, QPointF centre, bool lit) {
    using namespace palette;
    if (lit) {
        QRadialGradient glow(centre, kGlowRadius);
        glow.setColorAt(0, Colour(kAccentGlow));
        glow.setColorAt(1, Qt::transparent);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, kGlowRadius, kGlowRadius);
    }
    p.setBrush(Colour(lit ? kLedOn : kLedOff));
    p.setPen(QPen(Colour(lit ? kAccentLight : kPlateEdge), 1.0));
    p.drawEllipse(centre, kLampRadius, kLampRadius);
}

bool IsLit(FaceState state) {
    return state == FaceState::kMarked || state == FaceState::kLit;
}

QColor LabelColour(bool lit) {
    return Colour(lit ? palette::kLegend : palette::kLegendSoft);
}

void PaintLampAbove(QPainter& p, const QRectF& box, const QString& label, bool lit) {
    PaintLamp(p, QPointF(box.center().x(), box.top() + 10), lit);
    DrawCentredText(p, box.adjusted(0, 18, 0, 0), label, SkinFont({9, QFont::DemiBold}),
                    LabelColour(lit));
}

// Bank A is lit in the normal look, bank B in the others (the tool shows the pointer-over
// picture while bank B is active).
void PaintBank(QPainter& p, const QRectF& box, FaceState state) {
    const bool bankB =
        state != FaceState::kNormal && state != FaceState::kUnlit && state != FaceState::kLit;
    const bool anyLit = state != FaceState::kUnlit;
    const QRectF left(box.left(), box.top(), box.width() / 2, box.height());
    const QRectF right = left.translated(box.width() / 2, 0);
    PaintLampAbove(p, left.adjusted(2, 0, 0, 0), "A", anyLit && !bankB);
    PaintLampAbove(p, right.adjusted(0, 0, -2, 0), "B", anyLit && bankB);
}

void PaintLampBeside(QPainter& p, const QRectF& box, const QString& label, bool lit) {
    PaintLamp(p, QPointF(box.left() + 8, box.center().y()), lit);
    DrawTextAt(p, QPointF(box.left() + 17, box.center().y() - 3.5), label,
               SkinFont({9, QFont::DemiBold, 1}), LabelColour(lit));
}

}  // namespace

void PaintIndicator(QPainter& painter, const QRect& rect, const IndicatorFace& face,
                    FaceState state) {
    const QRectF box(rect);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (face.kind) {
        case IndicatorKind::kLamp:
            PaintLampAbove(painter, box, face.label, IsLit(state));
            break;
        case IndicatorKind::kBank:
            PaintBank(painter, box, state);
            break;
        case IndicatorKind::kFlip:
            PaintLampBeside(painter, box, face.label, IsLit(state));
            break;
    }
    painter.restore();
}

}  // namespace keyloom::skingen
