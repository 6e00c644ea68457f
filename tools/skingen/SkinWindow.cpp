#include "SkinWindow.h"

#include <QImage>
#include <QPainter>

#include "BrandPainter.h"
#include "ButtonPainter.h"
#include "IndicatorPainter.h"
#include "KeyCapPainter.h"
#include "WindowFrame.h"

namespace keyloom::skingen {

namespace {

// Paints one control's face; `hue` places it in the rainbow of the lit look.
struct FacePainter {
    QPainter& painter;
    const QRect& rect;
    FaceState state;
    double hue;

    void operator()(const NoFace&) const {}
    void operator()(const KeyCapFace& face) const {
        PaintKeyCap(painter, rect, face.legend, state, hue);
    }
    void operator()(const ButtonFace& face) const { PaintButton(painter, rect, face, state); }
    void operator()(const IconButtonFace& face) const {
        PaintIconButton(painter, rect, face, state);
    }
    void operator()(const SegmentFace& face) const { PaintSegment(painter, rect, face, state); }
    void operator()(const IndicatorFace& face) const { PaintIndicator(painter, rect, face, state); }
    void operator()(const LogoFace&) const { PaintLogo(painter, rect, state); }
    void operator()(const TabFace& face) const { PaintTab(painter, rect, face, state); }
    void operator()(const BadgeFace& face) const { PaintBadge(painter, rect, face, state); }
    void operator()(const PageFace& face) const { PaintPage(painter, rect, face, state); }
};

}  // namespace

QImage RenderSkinWindow(const SkinWindow& window, FaceState state) {
    QImage picture(window.size, QImage::Format_RGB32);
    QPainter painter(&picture);
    window.paintBackdrop(painter);
    for (const SkinControl& control : window.controls) {
        const double hue = static_cast<double>(control.rect.center().x()) / window.size.width();
        std::visit(FacePainter{painter, control.rect, state, hue}, control.face);
    }
    return picture;
}

}  // namespace keyloom::skingen
