#include "KeyCapPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "SkinPalette.h"
#include "SkinText.h"

namespace keyloom::skingen {

namespace {

constexpr double kCapRadius = 5.0;
constexpr double kTopRadius = 4.0;
constexpr int kPressDepth = 2;
constexpr double kTagWidth = 16.0;

struct CapLook {
    QRgb edge;
    QRgb skirt;
    QRgb top;
    QRgb bottom;
    QRgb legend;
    bool ring;     // accent ring around the cap
    bool pressed;  // top sunk into the skirt
};

CapLook LookOf(FaceState state) {
    using namespace palette;
    switch (state) {
        case FaceState::kOver:
            return {kAccent, kCapOverSkirt, kCapOverTop, kCapOverBottom, kLegend, true, false};
        case FaceState::kDown:
            return {kAccentDeep,    kCapDownSkirt, kCapDownTop, kCapDownBottom,
                    kLegendPressed, true,          true};
        case FaceState::kMarked:
            return {kCapMarkedEdge, kCapMarkedSkirt, kCapMarkedTop, kCapMarkedBottom,
                    kLegend,        false,           false};
        case FaceState::kDisabled:
        case FaceState::kUnlit:
            return {kCapEdge, kCapSkirt, kCapTop, kCapBottom, kLegendDim, false, false};
        case FaceState::kNormal:
        case FaceState::kLit:
            break;
    }
    return {kCapEdge, kCapSkirt, kCapTop, kCapBottom, kLegend, false, false};
}

QColor LegendColour(const CapLook& look, FaceState state, double hue) {
    return state == FaceState::kLit ? QColor::fromHsvF(static_cast<float>(hue), 0.75f, 1.0f)
                                    : Colour(look.legend);
}

// The top surface: inset from the skirt, more at the bottom so the skirt reads as the cap's front.
QRectF TopOf(const QRectF& cap, bool pressed) {
    return pressed ? cap.adjusted(3, 2 + kPressDepth, -3, -5 + kPressDepth)
                   : cap.adjusted(3, 2, -3, -5);
}

void PaintSkirt(QPainter& p, const QRectF& cap, const CapLook& look) {
    QPainterPath shape;
    shape.addRoundedRect(cap, kCapRadius, kCapRadius);
    p.fillPath(shape, Colour(look.skirt));
    p.setPen(QPen(Colour(look.edge), look.ring ? 1.5 : 1.0));
    p.drawPath(shape);
}

void PaintTop(QPainter& p, const QRectF& top, const CapLook& look) {
    QLinearGradient shade(top.topLeft(), top.bottomLeft());
    shade.setColorAt(0, Colour(look.top));
    shade.setColorAt(1, Colour(look.bottom));
    QPainterPath shape;
    shape.addRoundedRect(top, kTopRadius, kTopRadius);
    p.fillPath(shape, shade);
    QColor sheen = Colour(look.top).lighter(125);
    sheen.setAlpha(140);
    p.setPen(QPen(sheen, 1.0));
    p.drawLine(QPointF(top.left() + kTopRadius, top.top() + 0.5),
               QPointF(top.right() - kTopRadius, top.top() + 0.5));
}

void PaintGlow(QPainter& p, const QRectF& cap) {
    QPainterPath shape;
    shape.addRoundedRect(cap.adjusted(1.5, 1.5, -1.5, -1.5), kCapRadius - 1, kCapRadius - 1);
    p.setPen(QPen(Colour(palette::kAccentGlow), 2.0));
    p.drawPath(shape);
}

// Legend type sizes in pixels.
constexpr SkinFontStyle kLetterFont{15, QFont::DemiBold};
constexpr SkinFontStyle kWordFont{11};
constexpr SkinFontStyle kStackedWordFont{9};
constexpr SkinFontStyle kGlyphFont{12};
constexpr SkinFontStyle kShiftedFont{11};
constexpr SkinFontStyle kPlainFont{13};
constexpr SkinFontStyle kDigitFont{14, QFont::DemiBold};
constexpr SkinFontStyle kNavigationFont{8};
constexpr SkinFontStyle kTagFont{8, QFont::Bold};

QRectF UpperHalf(const QRectF& top) {
    return top.adjusted(0, 1, 0, -top.height() / 2 + 1);
}

QRectF LowerHalf(const QRectF& top) {
    return top.adjusted(0, top.height() / 2, 0, -1);
}

void PaintLegend(QPainter& p, const QRectF& top, const KeyLegend& legend, const QColor& colour) {
    const QString primary = QString::fromUtf8(legend.primary);
    const QString secondary = QString::fromUtf8(legend.secondary);
    const QColor soft = Colour(palette::kLegendSoft);
    switch (legend.style) {
        case LegendStyle::kLetter:
            DrawCentredText(p, top, primary, SkinFont(kLetterFont), colour);
            break;
        case LegendStyle::kWord:
            DrawCentredText(p, top, primary,
                            SkinFont(primary.contains('\n') ? kStackedWordFont : kWordFont),
                            colour);
            break;
        case LegendStyle::kGlyph:
            DrawCentredText(p, top, primary, SkinFont(kGlyphFont), colour);
            break;
        case LegendStyle::kDual:
            DrawCentredText(p, UpperHalf(top), secondary, SkinFont(kShiftedFont), colour);
            DrawCentredText(p, LowerHalf(top).translated(0, -1), primary, SkinFont(kPlainFont),
                            colour);
            break;
        case LegendStyle::kKeypad:
            DrawCentredText(p, UpperHalf(top).adjusted(0, 0, 0, 1), primary, SkinFont(kDigitFont),
                            colour);
            DrawCentredText(p, LowerHalf(top).translated(0, 1), secondary,
                            SkinFont(kNavigationFont), soft);
            break;
        case LegendStyle::kTag:
            DrawCentredText(p, QRectF(top.left(), top.top(), kTagWidth, top.height()), primary,
                            SkinFont(kTagFont), soft);
            break;
    }
}

}  // namespace

void PaintKeyCap(QPainter& painter, const QRect& rect, const KeyLegend& legend, FaceState state,
                 double hue) {
    const CapLook look = LookOf(state);
    const QRectF cap = QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintSkirt(painter, cap, look);
    const QRectF top = TopOf(cap, look.pressed);
    PaintTop(painter, top, look);
    if (look.ring) {
        PaintGlow(painter, cap);
    }
    PaintLegend(painter, top, legend, LegendColour(look, state, hue));
    painter.restore();
}

}  // namespace keyloom::skingen
