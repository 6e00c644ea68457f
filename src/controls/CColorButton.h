#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "model/LightingRecord.h"

namespace keyloom {

class CColorPalette;

// A colour picker: the face shows the colour; a click opens a palette of colours in five
// columns below the button, with an entry that asks the colour dialog for any other colour.
class CColorButton : public QAbstractButton {
    Q_OBJECT

  public:
    // The system colour dialog, started at `initial`; nothing when the user cancels. Tests
    // replace it.
    using ColorDialog = std::function<std::optional<Color>(Color initial, QWidget* parent)>;

    // The choice that stands for the button's default colour.
    static constexpr int64_t DEFAULT_COLOR_CHOICE = -1;

    // An empty function restores the standard dialog.
    static void SetColorDialog(ColorDialog dialog);
    // The palette, row by row, five columns.
    static std::span<const Color> PaletteColors();

    explicit CColorButton(Color defaultColor, QWidget* parent = nullptr);

    // Shows the colour; emits nothing.
    void SetColor(Color color);
    Color GetColor() const { return m_color; }
    Color DefaultColor() const { return m_defaultColor; }
    // The label of the palette's entry for other colours.
    void SetOtherText(const QString& text);

    // What choosing does: shows the colour (DEFAULT_COLOR_CHOICE for the default colour) and
    // emits colorPicked.
    void Pick(int64_t color);
    // The palette open now, null when none.
    QWidget* OpenPalette() const;
    // Closes the palette, runs the colour dialog and picks its answer; nothing on cancel.
    void ChooseOther();

    QSize sizeHint() const override;

  signals:
    void colorPicked(Color color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void ShowPalette();
    void ClosePalette();
    void PaintFrame(QPainter& painter) const;

    const Color m_defaultColor;
    Color m_color;
    QString m_otherText;
    QPointer<CColorPalette> m_palette;
};

}  // namespace keyloom
