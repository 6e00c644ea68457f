#include "controls/CPngButton.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <utility>

#include "controls/QtColor.h"

namespace keyloom {

namespace {

constexpr int kOutlineWidth = 2;
constexpr int kTintAlphaMax = 120;

// The picture is copied starting this far left of and above the face origin.
const QPoint kFaceShift(1, 1);

int HorizontalAlignment(unsigned format) {
    if ((format & TEXT_RIGHT) != 0) {
        return Qt::AlignRight;
    }
    return (format & TEXT_CENTER) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
}

int VerticalAlignment(unsigned format) {
    if ((format & TEXT_SINGLELINE) == 0) {
        return Qt::AlignTop;
    }
    if ((format & TEXT_BOTTOM) != 0) {
        return Qt::AlignBottom;
    }
    return (format & TEXT_VCENTER) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
}

int TextFlags(unsigned format) {
    int flags = HorizontalAlignment(format) | VerticalAlignment(format);
    if ((format & TEXT_SINGLELINE) != 0) {
        flags |= Qt::TextSingleLine;
    }
    if ((format & TEXT_WORDBREAK) != 0) {
        flags |= Qt::TextWordWrap;
    }
    return flags;
}

}  // namespace

CPngButton::CPngButton(QWidget* parent) : QAbstractButton(parent) {}

void CPngButton::SetSurfaces(const ButtonSurfaces& surfaces, bool redraw) {
    m_surfaces = surfaces;
    Redraw(redraw);
}

void CPngButton::SetFaceOrigin(QPoint origin) {
    if (origin != m_faceOrigin) {
        m_faceOrigin = origin;
        update();
    }
}

// The lighting preview sets every key's mark and frame 20 times a second: only a change is drawn.
void CPngButton::SetMarked(bool marked, bool redraw) {
    if (marked == m_marked) {
        return;
    }
    m_marked = marked;
    Redraw(redraw);
}

void CPngButton::SetOutline(Color color, int strength, bool on) {
    const ButtonOutline outline = {on, color,
                                   on ? std::min(strength, OUTLINE_STRENGTH_MAX) : strength};
    if (outline == m_outline) {
        return;
    }
    m_outline = outline;
    update();
}

void CPngButton::SetTextStyle(const ButtonTextStyle& style) {
    m_text = style;
    update();
}

void CPngButton::SetTip(const QString& text, bool activate) {
    if (!text.isEmpty()) {
        m_tip = text;
    }
    setToolTip(activate ? m_tip : QString());
}

void CPngButton::SetPaintCallback(PaintCallback callback) {
    m_paintCallback = std::move(callback);
}

void CPngButton::paintEvent(QPaintEvent*) {
    const ButtonState state = CurrentState();
    QPainter painter(this);
    if (m_outline.on) {
        PaintOutline(painter);
    } else {
        PaintFace(painter, state);
    }
    if (m_text.on) {
        PaintText(painter, state);
    }
    painter.end();
    if (m_paintCallback) {
        m_paintCallback(*this, state == ButtonState::kNormal);
    }
}

void CPngButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CPngButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

ButtonState CPngButton::CurrentState() const {
    if (!isEnabled()) {
        return ButtonState::kDisabled;
    }
    if (isDown()) {
        return ButtonState::kPressed;
    }
    if (m_hover) {
        return ButtonState::kHover;
    }
    return m_marked ? ButtonState::kMarked : ButtonState::kNormal;
}

void CPngButton::PaintFace(QPainter& painter, ButtonState state) const {
    painter.drawImage(QPoint(0, 0), m_surfaces.Of(state), QRect(m_faceOrigin - kFaceShift, size()));
}

// A tint of the colour inside the frame, stronger with the frame's strength, lets dark colours
// such as pure blue stand out on the dark keys, as a lit key would.
void CPngButton::PaintOutline(QPainter& painter) const {
    QColor tint = ToQColor(m_outline.color);
    tint.setAlpha(kTintAlphaMax * m_outline.strength / OUTLINE_STRENGTH_MAX);
    painter.fillRect(QRectF(2, 2, width() - 4, height() - 4), tint);
    QPen pen(ToQColor(m_outline.color), kOutlineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, width() - 2, height() - 2));
}

void CPngButton::PaintText(QPainter& painter, ButtonState state) const {
    QFont font(m_text.face);
    font.setPointSize(m_text.pointSize);
    painter.setFont(font);
    painter.setPen(ToQColor(m_text.colors.Of(state)));
    painter.drawText(rect(), TextFlags(m_text.format), text());
}

void CPngButton::Redraw(bool redraw) {
    if (redraw) {
        update();
    }
}

}  // namespace keyloom
