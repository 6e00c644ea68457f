#include "controls/CBitmapSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/PanelStyle.h"

namespace keyloom {

namespace {

// Where the pictures draw the knob's centre at either end, from the slider's edge.
constexpr int kKnobInset = 8;
// A wheel's notch turns it this many eighths of a degree; a smooth wheel sends parts of it.
constexpr int kWheelStep = 120;
// Before the owner gives a picture.
const QSize kPreferredSize(200, 20);

}  // namespace

CBitmapSlider::CBitmapSlider(int control, int minimum, int maximum, QWidget* parent)
    : QWidget(parent),
      m_control(control),
      m_minimum(minimum),
      m_maximum(std::max(minimum, maximum)),
      m_position(minimum) {
    setFocusPolicy(Qt::StrongFocus);
}

void CBitmapSlider::SetPositionReport(PositionReport report) {
    m_report = std::move(report);
}

void CBitmapSlider::SetPosition(int position) {
    m_position = Clamped(position);
    update();
}

void CBitmapSlider::SetPicture(const NamedPicture& picture) {
    m_picture = picture;
    update();
}

QSize CBitmapSlider::sizeHint() const {
    return m_picture.pixmap.isNull() ? kPreferredSize : m_picture.pixmap.size();
}

void CBitmapSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPicture(painter, rect(), m_picture);
    if (hasFocus()) {
        PaintFocusFrame(painter, rect());
    }
}

void CBitmapSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    SetAndReport(PositionAt(event->position().toPoint().x()));
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        MoveTo(PositionAt(event->position().toPoint().x()));
    }
}

void CBitmapSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    SetAndReport(PositionAt(event->position().toPoint().x()));
}

void CBitmapSlider::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> target = KeyTarget(event->key());
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    MoveTo(*target);
}

void CBitmapSlider::wheelEvent(QWheelEvent* event) {
    m_wheelAngle += event->angleDelta().y();
    const int steps = m_wheelAngle / kWheelStep;
    m_wheelAngle -= steps * kWheelStep;
    MoveTo(m_position + steps);
    event->accept();
}

int CBitmapSlider::Clamped(int position) const {
    return std::clamp(position, m_minimum, m_maximum);
}

int CBitmapSlider::PositionAt(int x) const {
    const int track = width() - 2 * kKnobInset;
    if (track <= 0) {
        return m_minimum;
    }
    const double fraction = static_cast<double>(x - kKnobInset) / track;
    return Clamped(m_minimum + static_cast<int>(std::lround(fraction * (m_maximum - m_minimum))));
}

std::optional<int> CBitmapSlider::KeyTarget(int key) const {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            return m_position - 1;
        case Qt::Key_Right:
        case Qt::Key_Up:
            return m_position + 1;
        case Qt::Key_Home:
            return m_minimum;
        case Qt::Key_End:
            return m_maximum;
        default:
            return std::nullopt;
    }
}

void CBitmapSlider::SetAndReport(int position) {
    SetPosition(position);
    if (m_report) {
        m_report(m_control, m_position);
    }
}

void CBitmapSlider::MoveTo(int position) {
    if (Clamped(position) != m_position) {
        SetAndReport(position);
    }
}

}  // namespace keyloom
