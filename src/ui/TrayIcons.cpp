#include "ui/TrayIcons.h"

#include <QPainter>
#include <QPixmap>
#include <array>

#include "session/WindowMessages.h"

namespace keyloom {

namespace {

constexpr int kIconSize = 32;

struct IconLook {
    int iconId;
    QRgb body;
    QRgb keys;
};

// A keyboard drawn in one colour per state: grey without a keyboard, the brand blue with one,
// orange in the special state.
constexpr std::array kIconLooks = {
    IconLook{TRAY_ICON_NO_KEYBOARD, 0xff7f7f7f, 0xffd0d0d0},
    IconLook{TRAY_ICON_KEYBOARD, 0xff0082ff, 0xffffffff},
    IconLook{TRAY_ICON_SPECIAL, 0xffff6400, 0xffffffff},
};

const IconLook& LookOf(int iconId) {
    for (const IconLook& look : kIconLooks) {
        if (look.iconId == iconId) {
            return look;
        }
    }
    return kIconLooks.front();
}

void PaintKeyRows(QPainter& painter, QRgb color) {
    constexpr int kColumns = 6;
    constexpr int kRows = 3;
    constexpr int kKey = 3;
    constexpr int kPitch = 4;
    painter.setBrush(QColor::fromRgba(color));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            painter.drawRect(5 + column * kPitch, 11 + row * kPitch, kKey, kKey);
        }
    }
}

}  // namespace

QIcon TrayIconPicture(int iconId) {
    const IconLook& look = LookOf(iconId);
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(look.body));
    painter.drawRoundedRect(QRectF(1, 7, 30, 18), 4, 4);
    PaintKeyRows(painter, look.keys);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace keyloom
