#include "LightingBitmaps.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <functional>
#include <span>

#include "Icon.h"
#include "LightingPanelLayout.h"
#include "SkinPalette.h"

namespace keyloom::skingen {

namespace {

using namespace lighting;

struct ChoicePicture {
    const char* name;
    Icon icon;
    bool selected;
};

// Direction pictures of most modes, of the vertical wave and of the halo; tool pictures.
constexpr auto kDirectionPictures = std::to_array<ChoicePicture>({
    {"leftup.bmp", Icon::kArrowLeft, false},
    {"leftdown.bmp", Icon::kArrowLeft, true},
    {"rightup.bmp", Icon::kArrowRight, false},
    {"rightdown.bmp", Icon::kArrowRight, true},
    {"upup.bmp", Icon::kArrowUp, false},
    {"updown.bmp", Icon::kArrowUp, true},
    {"downup.bmp", Icon::kArrowDown, false},
    {"downdown.bmp", Icon::kArrowDown, true},
    {"kuosan.bmp", Icon::kSpread, false},
    {"kuosandown.bmp", Icon::kSpread, true},
    {"julong.bmp", Icon::kGather, false},
    {"julongdown.bmp", Icon::kGather, true},
});

constexpr auto kToolPictures = std::to_array<ChoicePicture>({
    {"user1up.bmp", Icon::kBrush, false},
    {"user1down.bmp", Icon::kBrush, true},
    {"user2up.bmp", Icon::kDrop, false},
    {"user2down.bmp", Icon::kDrop, true},
});

struct FixedColourPicture {
    const char* plain;
    const char* selected;
    QRgb colour;
};

constexpr auto kFixedColours = std::to_array<FixedColourPicture>({
    {"hong.bmp", "hongok.bmp", 0xffff3b30},
    {"huang.bmp", "huangok.bmp", 0xffffcc00},
    {"lv.bmp", "lvok.bmp", 0xff30d158},
    {"lan.bmp", "lanok.bmp", 0xff0a84ff},
});

constexpr auto kSwatches = std::to_array<QRgb>({
    0xffff3b30,
    0xffff9500,
    0xffffcc00,
    0xff30d158,
    0xff32ade6,
    0xff0a84ff,
    0xffbf5af2,
    0xfff2f2f7,
});

// Slider images: brightness 0 to 14 (the slider starts at 1), speed positions 0 to 9 as images
// 15 to 24, and image 25 full.
constexpr int kBrightnessLast = 14;
constexpr int kSpeedFirst = 15;
constexpr int kSpeedPositions = 10;
constexpr int kSliderLast = 25;
constexpr int kBusyFrames = 10;

constexpr double kChipRadius = 6.0;
constexpr double kTrackHeight = 4.0;
constexpr double kKnobRadius = 7.0;

// A picture of the panel's colour with `paint` drawn on it, antialiased.
QImage Drawn(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Colour(palette::kPanel));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return picture;
}

QPainterPath Rounded(const QRectF& box, double radius) {
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    return shape;
}

QImage SwitchPicture(bool on) {
    using namespace palette;
    return Drawn(kSwitchSize, [&](QPainter& p) {
        const QRectF track = QRectF(QPointF(0, 0), QSizeF(kSwitchSize)).adjusted(1, 1, -1, -1);
        const double radius = track.height() / 2;
        p.fillPath(Rounded(track, radius), Colour(on ? kAccent : kLedOff));
        p.setPen(QPen(Colour(on ? kAccentLight : kButtonEdge), 1.0));
        p.drawPath(Rounded(track, radius));
        const double knobX = on ? track.right() - radius : track.left() + radius;
        p.setPen(Qt::NoPen);
        p.setBrush(Colour(on ? kIconBright : kIcon));
        p.drawEllipse(QPointF(knobX, track.center().y()), radius - 3, radius - 3);
    });
}

void PaintChip(QPainter& p, const QRectF& box, bool selected) {
    using namespace palette;
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, Colour(selected ? kButtonPrimaryTop : kButtonTop));
    shade.setColorAt(1, Colour(selected ? kButtonPrimaryBottom : kButtonBottom));
    p.fillPath(Rounded(box, kChipRadius), shade);
    p.setPen(QPen(Colour(selected ? kAccentLight : kButtonEdge), 1.0));
    p.drawPath(Rounded(box, kChipRadius));
}

QImage ChoiceImage(QSize size, const ChoicePicture& choice) {
    return Drawn(size, [&](QPainter& p) {
        const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
        PaintChip(p, box, choice.selected);
        const double side = size.height() - 8;
        const QRectF iconBox(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
        PaintIcon(p, iconBox, choice.icon,
                  Colour(choice.selected ? palette::kIconBright : palette::kIcon));
    });
}

void PaintCheck(QPainter& p, const QRectF& box) {
    p.setPen(QPen(Colour(palette::kIconBright), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = box.center();
    const std::array points = {c + QPointF(-5, 0), c + QPointF(-1.5, 3.5), c + QPointF(5, -3.5)};
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
}

QImage FixedColourImage(QRgb colour, bool selected) {
    return Drawn(kFixedColourSize, [&](QPainter& p) {
        const QRectF box = QRectF(QPointF(0, 0), QSizeF(kFixedColourSize)).adjusted(1, 1, -1, -1);
        QColor fill = Colour(colour);
        if (!selected) {
            fill = fill.darker(135);
        }
        p.fillPath(Rounded(box.adjusted(2, 2, -2, -2), kChipRadius - 2), fill);
        if (selected) {
            p.setPen(QPen(Colour(palette::kIconBright), 2.0));
            p.drawPath(Rounded(box, kChipRadius));
            PaintCheck(p, box);
        }
    });
}

QImage MulticolourImage(bool on) {
    return Drawn(kMulticolourSize, [&](QPainter& p) {
        const QRectF box = QRectF(QPointF(0, 0), QSizeF(kMulticolourSize)).adjusted(2, 2, -2, -2);
        QConicalGradient rainbow(box.center(), 90);
        constexpr int kStops = 6;
        for (int i = 0; i <= kStops; ++i) {
            QColor stop = QColor::fromHsvF(static_cast<float>(i % kStops) / kStops,
                                           on ? 0.85f : 0.3f, on ? 1.0f : 0.45f);
            rainbow.setColorAt(static_cast<double>(i) / kStops, stop);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(rainbow);
        p.drawEllipse(box.adjusted(1.5, 1.5, -1.5, -1.5));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Colour(on ? palette::kIconBright : palette::kButtonEdge), 1.5));
        p.drawEllipse(box);
    });
}

QImage SliderImage(double fraction) {
    using namespace palette;
    return Drawn(kSliderSize, [&](QPainter& p) {
        const double middle = kSliderSize.height() / 2.0;
        const double left = kKnobRadius + 1;
        const double right = kSliderSize.width() - kKnobRadius - 1;
        const double knob = left + (right - left) * fraction;
        const QRectF track(left, middle - kTrackHeight / 2, right - left, kTrackHeight);
        p.fillPath(Rounded(track, kTrackHeight / 2), Colour(kLedOff));
        QLinearGradient fill(track.topLeft(), track.topRight());
        fill.setColorAt(0, Colour(kAccentDeep));
        fill.setColorAt(1, Colour(kAccentLight));
        p.fillPath(Rounded(QRectF(left, track.top(), knob - left, kTrackHeight), kTrackHeight / 2),
                   fill);
        p.setPen(QPen(Colour(kAccent), 2.0));
        p.setBrush(Colour(kIconBright));
        p.drawEllipse(QPointF(knob, middle), kKnobRadius - 1, kKnobRadius - 1);
    });
}

double SliderFraction(int image) {
    if (image <= kBrightnessLast) {
        return std::max(0, image - 1) / static_cast<double>(kBrightnessLast - 1);
    }
    if (image < kSpeedFirst + kSpeedPositions) {
        return (image - kSpeedFirst) / static_cast<double>(kSpeedPositions - 1);
    }
    return 1.0;
}

// Frame `frame` of the busy bar: a bright segment running along a dark track.
QImage BusyImage(int frame) {
    using namespace palette;
    return Drawn(kBusySize, [&](QPainter& p) {
        const QRectF track =
            QRectF(QPointF(0, 0), QSizeF(kBusySize)).adjusted(0.5, 0.5, -0.5, -0.5);
        const double radius = track.height() / 2;
        p.fillPath(Rounded(track, radius), Colour(kLedOff));
        const double segment = track.width() * 0.3;
        const double travel = track.width() + segment;
        const double start = track.left() - segment + travel * frame / kBusyFrames;
        QLinearGradient glow(start, 0, start + segment, 0);
        glow.setColorAt(0, Colour(kLedOff));
        glow.setColorAt(0.7, Colour(kAccentLight));
        glow.setColorAt(1, Colour(kAccent));
        p.setClipPath(Rounded(track, radius));
        p.fillRect(QRectF(start, track.top(), segment, track.height()), glow);
    });
}

QImage SwatchImage(QRgb colour) {
    return Drawn(kSwatchSize, [&](QPainter& p) {
        const QRectF box = QRectF(QPointF(0, 0), QSizeF(kSwatchSize)).adjusted(1, 1, -1, -1);
        p.fillPath(Rounded(box, 5), Colour(colour));
        p.setPen(QPen(Colour(palette::kButtonEdge), 1.0));
        p.drawPath(Rounded(box, 5));
    });
}

void WriteChoices(SkinFolder& folder, QSize size, std::span<const ChoicePicture> choices) {
    for (const ChoicePicture& choice : choices) {
        folder.SaveBitmap(choice.name, ChoiceImage(size, choice));
    }
}

void WriteColourPictures(SkinFolder& folder) {
    for (const FixedColourPicture& fixed : kFixedColours) {
        folder.SaveBitmap(fixed.plain, FixedColourImage(fixed.colour, false));
        folder.SaveBitmap(fixed.selected, FixedColourImage(fixed.colour, true));
    }
    folder.SaveBitmap("sjsup.bmp", MulticolourImage(false));
    folder.SaveBitmap("sjsdown.bmp", MulticolourImage(true));
    for (size_t i = 0; i < kSwatches.size(); ++i) {
        folder.SaveBitmap(QString("Color%1.bmp").arg(i + 1), SwatchImage(kSwatches[i]));
    }
}

void WriteAnimations(SkinFolder& folder) {
    for (int image = 0; image <= kSliderLast; ++image) {
        folder.SaveBitmap(QString("%1.bmp").arg(image), SliderImage(SliderFraction(image)));
    }
    for (int frame = 0; frame < kBusyFrames; ++frame) {
        folder.SaveBitmap(QString("jdt%1.bmp").arg(frame + 1), BusyImage(frame));
    }
}

}  // namespace

void WriteLightingBitmaps(SkinFolder& folder) {
    folder.SaveBitmap("dengup.bmp", SwitchPicture(false));
    folder.SaveBitmap("dengdown.bmp", SwitchPicture(true));
    WriteChoices(folder, kDirectionSize, kDirectionPictures);
    WriteChoices(folder, kToolSize, kToolPictures);
    WriteColourPictures(folder);
    WriteAnimations(folder);
}

}  // namespace keyloom::skingen
