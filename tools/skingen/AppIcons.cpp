#include "AppIcons.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <array>

#include "BrandPainter.h"

namespace keyloom::skingen {

namespace {

constexpr std::array kSizes = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr double kMargin = 1.0 / 16;  // the theme's icons keep a little room around them

}  // namespace

bool WriteAppIcons(const QString& folder) {
    for (const int size : kSizes) {
        const QString apps = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps)) {
            return false;
        }
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        {
            QPainter painter(&icon);
            const double margin = size * kMargin;
            PaintAppMark(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
        }
        if (!icon.save(apps + QStringLiteral("/keyloom.png"))) {
            return false;
        }
    }
    return true;
}

}  // namespace keyloom::skingen
