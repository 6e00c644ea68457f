#include "controls/CColorSwatch.h"

#include <QPainter>

#include "controls/PanelStyle.h"
#include "controls/QtColor.h"

namespace keyloom {

namespace {

constexpr int kSide = 20;
constexpr int kRingSpace = 2;  // around the colour, for the ring
constexpr double kRingRadius = 4.0;

}  // namespace

CColorSwatch::CColorSwatch(Color color, bool current, QWidget* parent)
    : QAbstractButton(parent), m_color(color), m_current(current) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setToolTip(ToQColor(color).name().toUpper());
}

QSize CColorSwatch::sizeHint() const {
    return {kSide, kSide};
}

void CColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box(rect());
    if (m_current || underMouse()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(m_current ? PANEL_ACCENT : PANEL_TEXT), 1.5));
        painter.drawRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), kRingRadius, kRingRadius);
    }
    PaintColorSwatch(painter, box.adjusted(kRingSpace, kRingSpace, -kRingSpace, -kRingSpace),
                     ToQColor(m_color));
}

}  // namespace keyloom
