#pragma once

// Text on the skin pictures: one font family, sized in pixels, and optically centred legends.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace keyloom::skingen {

struct SkinFontStyle {
    int pixelSize;
    QFont::Weight weight = QFont::Normal;
    double letterSpacing = 0;  // extra pixels between letters
};

QFont SkinFont(const SkinFontStyle& style);

// Draws `text` centred in `box`: text with letters or digits is centred on its capital height,
// a lone symbol on its ink. Lines separated by '\n' are stacked, each centred.
void DrawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour);

// Draws `text` with its capitals' top-left corner at `topLeft`.
void DrawTextAt(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font,
                const QColor& colour);

}  // namespace keyloom::skingen
