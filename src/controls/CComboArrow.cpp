#include "controls/CComboArrow.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>

#include "controls/PanelStyle.h"

namespace keyloom {

CComboArrow::CComboArrow(QComboBox& box) : QWidget(&box), m_box(box) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    box.installEventFilter(this);
    FollowBox();
    raise();
}

bool CComboArrow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_box && event->type() == QEvent::Resize) {
        FollowBox();
    }
    return QWidget::eventFilter(watched, event);
}

void CComboArrow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDropDownArrow(painter, rect(), m_box.isEnabled());
}

void CComboArrow::FollowBox() {
    setGeometry(m_box.width() - AREA_WIDTH, 0, AREA_WIDTH, m_box.height());
}

}  // namespace keyloom
