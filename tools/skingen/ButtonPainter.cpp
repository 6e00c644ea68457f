#include "ButtonPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "SkinPalette.h"
#include "SkinText.h"

namespace keyloom::skingen {

namespace {

constexpr double kButtonRadius = 6.0;
constexpr double kTabRadius = 7.0;
constexpr double kIconSize = 16.0;
constexpr double kIconInset = 10.0;
// Margins around icons, as fractions of the button's size.
constexpr double kBareIconMargin = 0.2;
constexpr double kBoxedIconMargin = 0.22;

struct FaceLook {
    QRgb top;
    QRgb bottom;
    QRgb edge;
    QRgb icon;
};

FaceLook ButtonLook(FaceState state, ButtonRole role) {
    using namespace palette;
    const QRgb edge = role == ButtonRole::kPrimary ? kAccent : kButtonEdge;
    switch (state) {
        case FaceState::kOver:
            return {kButtonOverTop, kButtonOverBottom,
                    role == ButtonRole::kPrimary ? kAccentLight : 0xff555a63, kIconBright};
        case FaceState::kDown:
            return {kButtonDown, kButtonDown, kAccentDeep, kLegendPressed};
        case FaceState::kMarked:
            return {kButtonTop, kButtonBottom, kAccent, kAccentLight};
        case FaceState::kDisabled:
            return {kPanel, kPanel, kDivider, kLegendDim};
        case FaceState::kNormal:
        case FaceState::kUnlit:
        case FaceState::kLit:
            break;
    }
    return {kButtonTop, kButtonBottom, edge, kIcon};
}

QPainterPath RoundedShape(const QRectF& box, double radius) {
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    return shape;
}

void FillFace(QPainter& p, const QRectF& box, const FaceLook& look, double radius) {
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, Colour(look.top));
    shade.setColorAt(1, Colour(look.bottom));
    const QPainterPath shape = RoundedShape(box, radius);
    p.fillPath(shape, shade);
    p.setPen(QPen(Colour(look.edge), 1.0));
    p.drawPath(shape);
}

// The accent bar under a marked button.
void PaintMarkBar(QPainter& p, const QRectF& box) {
    const QRectF bar(box.left() + 12, box.bottom() - 4, box.width() - 24, 2.5);
    p.fillPath(RoundedShape(bar, 1.25), Colour(palette::kAccent));
}

QRectF FaceBox(const QRect& rect) {
    return QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5);
}

// `box` shrunk on every side by `fraction` of its width and height.
QRectF Shrunk(const QRectF& box, double fraction) {
    const double dx = box.width() * fraction;
    const double dy = box.height() * fraction;
    return box.adjusted(dx, dy, -dx, -dy);
}

QRectF LeftIconBox(const QRectF& box) {
    return QRectF(box.left() + kIconInset, box.center().y() - kIconSize / 2, kIconSize, kIconSize);
}

void PaintBareIconButton(QPainter& p, const QRectF& box, const IconButtonFace& face,
                         FaceState state) {
    using namespace palette;
    QRgb icon = kIcon;
    if (state == FaceState::kOver || state == FaceState::kDown) {
        const QRgb wash = face.danger ? (state == FaceState::kOver ? kDanger : kDangerDeep)
                                      : (state == FaceState::kOver ? kHoverWash : kDownWash);
        p.fillPath(RoundedShape(box, kButtonRadius), Colour(wash));
        icon = kIconBright;
    } else if (state == FaceState::kMarked) {
        icon = kAccentLight;
    } else if (state == FaceState::kDisabled) {
        icon = kLegendDim;
    }
    PaintIcon(p, Shrunk(box, kBareIconMargin), face.icon, Colour(icon));
}

}  // namespace

void PaintButton(QPainter& painter, const QRect& rect, const ButtonFace& face, FaceState state) {
    const QRectF box = FaceBox(rect);
    const FaceLook look = ButtonLook(state, face.role);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    FillFace(painter, box, look, kButtonRadius);
    if (state == FaceState::kMarked) {
        PaintMarkBar(painter, box);
    }
    const bool lamp = face.icon == Icon::kRecord && state != FaceState::kDisabled;
    const QColor icon = Colour(lamp ? palette::kRecord : look.icon);
    PaintIcon(painter, LeftIconBox(box), face.icon, icon);
    painter.restore();
}

void PaintIconButton(QPainter& painter, const QRect& rect, const IconButtonFace& face,
                     FaceState state) {
    const QRectF box = FaceBox(rect);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (face.boxed) {
        const FaceLook look = ButtonLook(state, ButtonRole::kSecondary);
        FillFace(painter, box, look, kButtonRadius);
        PaintIcon(painter, Shrunk(box, kBoxedIconMargin), face.icon, Colour(look.icon));
    } else {
        PaintBareIconButton(painter, box, face, state);
    }
    painter.restore();
}

void PaintSegment(QPainter& painter, const QRect& rect, const SegmentFace& face, FaceState state) {
    using namespace palette;
    const QRectF box = FaceBox(rect);
    const bool marked = state == FaceState::kMarked;
    FaceLook look = ButtonLook(state, ButtonRole::kSecondary);
    if (marked) {
        look = {kButtonPrimaryTop, kButtonPrimaryBottom, kAccentLight, kIconBright};
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    FillFace(painter, box, look, kButtonRadius);
    const QRgb label = marked || state == FaceState::kOver ? kIconBright
                       : state == FaceState::kDisabled     ? kLegendDim
                                                           : kLegendSoft;
    DrawCentredText(painter, box, face.label, SkinFont({11, QFont::DemiBold}), Colour(label));
    painter.restore();
}

void PaintTab(QPainter& painter, const QRect& rect, const TabFace& face, FaceState state) {
    using namespace palette;
    const QRectF box = QRectF(rect).adjusted(1.5, 1.5, -1.5, kTabRadius);
    const bool selected = state == FaceState::kDown || state == FaceState::kMarked;
    const bool dim = face.locked || state == FaceState::kDisabled;
    const QRgb fill = selected                            ? kPanel
                      : state == FaceState::kOver && !dim ? kButtonOverBottom
                                                          : kTitleBand;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect);
    const QPainterPath shape = RoundedShape(box, kTabRadius);
    painter.fillPath(shape, Colour(fill));
    painter.setPen(QPen(Colour(selected ? kPanelEdge : kDivider), 1.0));
    painter.drawPath(shape);
    if (selected) {
        painter.fillPath(
            RoundedShape(QRectF(box.left() + 10, box.top() + 1, box.width() - 20, 3), 1.5),
            Colour(kAccent));
    }
    const QRgb icon = dim ? kLegendDim : selected ? kAccentLight : kIcon;
    PaintIcon(painter, LeftIconBox(QRectF(rect).adjusted(4, 0, 0, 0)), face.icon, Colour(icon));
    painter.restore();
}

}  // namespace keyloom::skingen
