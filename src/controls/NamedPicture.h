#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace keyloom {

// A skin bitmap together with the name of the file it was loaded from, so that what a control
// shows can be told by name.
struct NamedPicture {
    QString name;
    QPixmap pixmap;
};

// Draws the picture filling `target`, scaled smoothly when its size differs.
void PaintPicture(QPainter& painter, const QRect& target, const NamedPicture& picture);

}  // namespace keyloom
