#include "WindowFrame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "SkinPalette.h"

namespace keyloom::skingen {

namespace {

constexpr double kWindowRadius = 14.0;
constexpr double kPanelRadius = 12.0;
constexpr double kWellRadius = 6.0;
constexpr int kWellMargin = 3;
constexpr double kWatermarkSize = 150.0;
constexpr int kWatermarkAlpha = 10;

QPainterPath RoundedShape(const QRectF& box, double radius) {
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    return shape;
}

}  // namespace

void PaintWindowFrame(QPainter& painter, QSize size, int titleHeight) {
    using namespace palette;
    const QRectF box(QPointF(0, 0), QSizeF(size));
    painter.save();
    painter.fillRect(box, Colour(kWindowBottom));
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = RoundedShape(box.adjusted(0.5, 0.5, -0.5, -0.5), kWindowRadius);
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, Colour(kWindowTop));
    shade.setColorAt(1, Colour(kWindowBottom));
    painter.fillPath(shape, shade);
    painter.setClipPath(shape);
    painter.fillRect(QRectF(0, 0, box.width(), titleHeight), Colour(kTitleBand));
    painter.fillRect(QRectF(0, titleHeight, box.width(), 1), Colour(kDivider));
    painter.setClipping(false);
    painter.setPen(QPen(Colour(kWindowEdge), 1.0));
    painter.drawPath(shape);
    painter.restore();
}

void PaintPanel(QPainter& painter, const QRectF& box, QRgb fill) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = RoundedShape(box.adjusted(0.5, 0.5, -0.5, -0.5), kPanelRadius);
    painter.fillPath(shape, Colour(fill));
    painter.setPen(QPen(Colour(palette::kPanelEdge), 1.0));
    painter.drawPath(shape);
    painter.restore();
}

void PaintWell(QPainter& painter, const QRect& control) {
    const QRectF box = QRectF(control).adjusted(-kWellMargin + 0.5, -kWellMargin + 0.5,
                                                kWellMargin - 0.5, kWellMargin - 0.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = RoundedShape(box, kWellRadius);
    painter.fillPath(shape, Colour(palette::kWell));
    painter.setPen(QPen(Colour(palette::kWellEdge), 1.0));
    painter.drawPath(shape);
    painter.restore();
}

void PaintPage(QPainter& painter, const QRect& rect, const PageFace& face, FaceState state) {
    PaintPanel(painter, QRectF(rect), palette::kPanel);
    QColor watermark =
        Colour(state == FaceState::kDisabled ? palette::kLegendDim : palette::kIconBright);
    watermark.setAlpha(kWatermarkAlpha);
    const QRectF corner(rect.right() - kWatermarkSize - 8, rect.bottom() - kWatermarkSize - 8,
                        kWatermarkSize, kWatermarkSize);
    PaintIcon(painter, corner, face.watermark, watermark);
    for (const QRect& well : face.wells) {
        PaintWell(painter, well);
    }
}

QImage OutlinePicture(QSize size) {
    QImage outline(size, QImage::Format_RGB888);
    outline.fill(Qt::white);
    QPainter painter(&outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(RoundedShape(QRectF(QPointF(0, 0), QSizeF(size)), kWindowRadius));
    return outline;
}

}  // namespace keyloom::skingen
