#pragma once

#include <QWidget>
#include <span>

class QGridLayout;

#include "model/LightingRecord.h"

namespace keyloom {

// The pop-up of a colour button: swatches in rows of `columns` and, below them, an entry for
// any other colour. It runs no event loop of its own; it closes itself when a swatch is chosen,
// on Esc and on a click outside, and is deleted when closed.
class CColorPalette : public QWidget {
    Q_OBJECT

  public:
    CColorPalette(std::span<const Color> colors, int columns, Color current,
                  const QString& otherText, QWidget* anchor);

    // Shows the palette under its anchor, or above it where the screen ends.
    void Open();

  signals:
    void colorChosen(Color color);
    void otherChosen();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void AddSwatches(std::span<const Color> colors, int columns, Color current);
    void AddOtherEntry(const QString& text, int row, int columns);

    QWidget* const m_anchor;
    QGridLayout* const m_grid;
};

}  // namespace keyloom
