#include "controls/CClickPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace keyloom {

CClickPicture::CClickPicture(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void CClickPicture::SetImages(const NamedPicture& plain, const NamedPicture& selected) {
    m_plainImage = plain;
    m_selectedImage = selected;
    updateGeometry();
    update();
}

void CClickPicture::SetSelected(bool selected) {
    if (selected != m_selected) {
        m_selected = selected;
        update();
    }
}

QSize CClickPicture::sizeHint() const {
    return Shown().pixmap.size();
}

void CClickPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPicture(painter, rect(), Shown());
}

void CClickPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace keyloom
