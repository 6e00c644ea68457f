#include "controls/NamedPicture.h"

#include <QPainter>

namespace keyloom {

void PaintPicture(QPainter& painter, const QRect& target, const NamedPicture& picture) {
    if (picture.pixmap.size() == target.size()) {
        painter.drawPixmap(target.topLeft(), picture.pixmap);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture.pixmap);
    painter.restore();
}

}  // namespace keyloom
