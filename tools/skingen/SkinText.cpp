#include "SkinText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace keyloom::skingen {

namespace {

constexpr const char* kFamily = "DejaVu Sans";
constexpr double kLinePitch = 2.2;  // from one line's baseline to the next, in capital heights

bool HasLetterOrDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The baseline origin that centres one line in `box`, on whole pixels for crisp glyphs.
QPointF CentredOrigin(const QRectF& box, const QString& text, const QFontMetricsF& metrics) {
    if (HasLetterOrDigit(text)) {
        const double width = metrics.horizontalAdvance(text);
        return QPointF(qRound(box.center().x() - width / 2),
                       qRound(box.center().y() + metrics.capHeight() / 2));
    }
    const QRectF ink = metrics.tightBoundingRect(text);
    return QPointF(qRound(box.center().x() - ink.center().x()),
                   qRound(box.center().y() - ink.center().y()));
}

}  // namespace

QFont SkinFont(const SkinFontStyle& style) {
    QFont font(kFamily);
    font.setPixelSize(style.pixelSize);
    font.setWeight(style.weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, style.letterSpacing);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
    const QStringList lines = text.split('\n');
    const QFontMetricsF metrics(font);
    const double pitch = metrics.capHeight() * kLinePitch;
    const double firstOffset = -pitch * (lines.size() - 1) / 2;
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF lineBox = box.translated(0, firstOffset + pitch * static_cast<double>(i));
        painter.drawText(CentredOrigin(lineBox, lines[i], metrics), lines[i]);
    }
    painter.restore();
}

void DrawTextAt(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font,
                const QColor& colour) {
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(qRound(topLeft.x()), qRound(topLeft.y() + metrics.capHeight())), text);
    painter.restore();
}

}  // namespace keyloom::skingen
