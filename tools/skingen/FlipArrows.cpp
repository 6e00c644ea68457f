#include "FlipArrows.h"

#include <QImage>
#include <QPainter>
#include <array>

#include "Icon.h"
#include "SkinPalette.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::skingen {

namespace {

// Faces lie in a row with a margin, so that a face read one pixel off still shows plate colour.
constexpr int kMargin = 3;
constexpr int kFaceCount = 4;

struct ArrowFace {
    bool left;
    bool flipSet;
};

constexpr std::array<ArrowFace, kFaceCount> kFaces = {{
    {true, true},
    {true, false},
    {false, true},
    {false, false},
}};

QRect FaceRect(int index) {
    const int step = kFlipArrowSize.width() + 2 * kMargin;
    return QRect(QPoint(kMargin + index * step, kMargin), kFlipArrowSize);
}

}  // namespace

std::vector<SkinControl> FlipArrowFaces() {
    std::vector<SkinControl> faces;
    for (int i = 0; i < kFaceCount; ++i) {
        faces.push_back({ArrowFaceSkinKey(kFaces[i].left, kFaces[i].flipSet), FaceRect(i)});
    }
    return faces;
}

void WriteFlipArrows(SkinFolder& folder) {
    const QRect last = FaceRect(kFaceCount - 1);
    QImage picture(last.right() + 1 + kMargin, last.bottom() + 1 + kMargin, QImage::Format_RGB32);
    picture.fill(Colour(palette::kPlate));
    QPainter painter(&picture);
    for (int i = 0; i < kFaceCount; ++i) {
        const bool up = kFaces[i].flipSet;
        PaintIcon(painter, QRectF(FaceRect(i)).adjusted(0, 2, 0, -2),
                  up ? Icon::kArrowUp : Icon::kArrowDown,
                  Colour(up ? palette::kAccentLight : palette::kIcon));
    }
    painter.end();
    folder.SaveJpeg("Arrow.jpg", picture);
}

}  // namespace keyloom::skingen
