#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>

#include "model/LightingRecord.h"

namespace keyloom {

// The looks of an image button, in the order in which painting chooses among them: a disabled
// button looks disabled whatever else holds, a pressed one pressed, and so on.
enum class ButtonState { kDisabled, kPressed, kHover, kMarked, kNormal };

// One value per look of an image button.
template <typename T>
struct ButtonStates {
    T normal{};
    T hover{};
    T pressed{};
    T disabled{};
    T marked{};

    static ButtonStates Same(const T& value) { return {value, value, value, value, value}; }

    const T& Of(ButtonState state) const {
        switch (state) {
            case ButtonState::kDisabled:
                return disabled;
            case ButtonState::kPressed:
                return pressed;
            case ButtonState::kHover:
                return hover;
            case ButtonState::kMarked:
                return marked;
            case ButtonState::kNormal:
                break;
        }
        return normal;
    }
};

// Full-window pictures, one per look; a button shows the piece that lies under its face origin.
// QImage shares its pixels between copies, so every button of a window uses the same pictures.
using ButtonSurfaces = ButtonStates<QImage>;

// Caption layout flags, combined into a text format.
inline constexpr unsigned TEXT_CENTER = 0x01;
inline constexpr unsigned TEXT_RIGHT = 0x02;
inline constexpr unsigned TEXT_VCENTER = 0x04;  // with TEXT_SINGLELINE only
inline constexpr unsigned TEXT_BOTTOM = 0x08;   // with TEXT_SINGLELINE only
inline constexpr unsigned TEXT_WORDBREAK = 0x10;
inline constexpr unsigned TEXT_SINGLELINE = 0x20;
// Centred both ways on one line.
inline constexpr unsigned TEXT_FORMAT_CENTERED = TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE;
static_assert(TEXT_FORMAT_CENTERED == 37);

// How a button draws its caption (the button's text) over its picture.
struct ButtonTextStyle {
    bool on = false;
    int pointSize = 8;
    QString face = QStringLiteral("Tahoma Unicode MS");
    ButtonStates<Color> colors;
    unsigned format = TEXT_FORMAT_CENTERED;
};

// The lighting frame: while on, the button draws a frame of this colour instead of its picture.
struct ButtonOutline {
    bool on = false;
    Color color = 0;
    int strength = 0;  // at most OUTLINE_STRENGTH_MAX while on

    bool operator==(const ButtonOutline&) const = default;
};

inline constexpr int OUTLINE_STRENGTH_MAX = 100;

// A button drawn as a rectangle cut out of full-window pictures, one picture per look, with an
// optional caption, tooltip, lighting frame and marked look. A double click counts as a second
// click, as the button takes the double click for a press.
class CPngButton : public QAbstractButton {
    Q_OBJECT

  public:
    // Called after every paint, with whether the normal picture was chosen.
    using PaintCallback = std::function<void(CPngButton& button, bool normalPicture)>;

    explicit CPngButton(QWidget* parent = nullptr);

    void SetSurfaces(const ButtonSurfaces& surfaces, bool redraw = true);
    // Where the button's rectangle lies in its surfaces; the picture is copied from one pixel
    // left of and above it, which the skin pictures allow for.
    void SetFaceOrigin(QPoint origin);
    void SetMarked(bool marked, bool redraw = true);
    bool Marked() const { return m_marked; }
    void SetOutline(Color color, int strength, bool on);
    const ButtonOutline& Outline() const { return m_outline; }
    void SetTextStyle(const ButtonTextStyle& style);
    // An empty text keeps the one set before; `activate` shows or silences the tip.
    void SetTip(const QString& text, bool activate);
    void SetPaintCallback(PaintCallback callback);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    ButtonState CurrentState() const;
    void PaintFace(QPainter& painter, ButtonState state) const;
    void PaintOutline(QPainter& painter) const;
    void PaintText(QPainter& painter, ButtonState state) const;
    void Redraw(bool redraw);

    ButtonSurfaces m_surfaces;
    QPoint m_faceOrigin;
    bool m_hover = false;
    bool m_marked = false;
    ButtonTextStyle m_text;
    ButtonOutline m_outline;
    QString m_tip;
    PaintCallback m_paintCallback;
};

}  // namespace keyloom
