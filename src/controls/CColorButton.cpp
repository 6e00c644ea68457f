#include "controls/CColorButton.h"

#include <QColorDialog>
#include <QPainter>
#include <array>
#include <utility>

#include "controls/CColorPalette.h"
#include "controls/ModalChildren.h"
#include "controls/PanelStyle.h"
#include "controls/QtColor.h"

namespace keyloom {

namespace {

constexpr int kPaletteColumns = 5;

// A colour written as on the web, 0xRRGGBB.
constexpr Color Rgb(uint32_t rrggbb) {
    return ColorOfRgb(static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
                      static_cast<uint8_t>(rrggbb));
}

// Row by row: greys, then each hue from full strength through lighter to darker shades, the
// colours a keyboard's lighting usually shows among them.
constexpr auto kPalette = std::to_array<Color>({
    Rgb(0xFFFFFF), Rgb(0xC0C0C0), Rgb(0x808080), Rgb(0x404040), Rgb(0x000000),  // greys
    Rgb(0xFF0000), Rgb(0xFF6060), Rgb(0xFFA0A0), Rgb(0xC00000), Rgb(0x800000),  // red
    Rgb(0xFF8000), Rgb(0xFFA040), Rgb(0xFFC890), Rgb(0xC06000), Rgb(0x804000),  // orange
    Rgb(0xFFFF00), Rgb(0xFFFF60), Rgb(0xFFFFA0), Rgb(0xC0C000), Rgb(0x808000),  // yellow
    Rgb(0x00FF00), Rgb(0x60FF60), Rgb(0xA0FFA0), Rgb(0x00C000), Rgb(0x008000),  // green
    Rgb(0x00FFFF), Rgb(0x60FFFF), Rgb(0xA0FFFF), Rgb(0x00C0C0), Rgb(0x008080),  // cyan
    Rgb(0x0000FF), Rgb(0x4080FF), Rgb(0x90B0FF), Rgb(0x0000C0), Rgb(0x000080),  // blue
    Rgb(0x8000FF), Rgb(0xA050FF), Rgb(0xC898FF), Rgb(0x6000C0), Rgb(0x400080),  // violet
    Rgb(0xFF00FF), Rgb(0xFF40A0), Rgb(0xFF90C8), Rgb(0xC000C0), Rgb(0x800080),  // magenta
});
static_assert(kPalette.size() % kPaletteColumns == 0);

const QSize kPreferredSize(56, 26);
constexpr double kCornerRadius = 4.0;
constexpr double kSwatchInset = 4.0;
constexpr int kArrowArea = 14;      // right of the colour, when the button is wide enough
constexpr int kArrowMinWidth = 36;  // the narrowest button with an arrow
constexpr double kDisabledOpacity = 0.35;

std::optional<Color> RunStandardColorDialog(Color initial, QWidget* parent) {
    QColorDialog dialog(ToQColor(initial), parent);
    if (ExecModalChild(dialog, QDialog::Rejected) != QDialog::Accepted) {
        return std::nullopt;
    }
    return FromQColor(dialog.selectedColor());
}

CColorButton::ColorDialog& ColorDialogInUse() {
    static CColorButton::ColorDialog dialog = RunStandardColorDialog;
    return dialog;
}

QRgb EdgeColor(bool active, bool hover) {
    if (active) {
        return PANEL_ACCENT;
    }
    return hover ? PANEL_RIM : PANEL_EDGE;
}

}  // namespace

void CColorButton::SetColorDialog(ColorDialog dialog) {
    ColorDialogInUse() = dialog ? std::move(dialog) : ColorDialog(RunStandardColorDialog);
}

std::span<const Color> CColorButton::PaletteColors() {
    return kPalette;
}

CColorButton::CColorButton(Color defaultColor, QWidget* parent)
    : QAbstractButton(parent),
      m_defaultColor(defaultColor),
      m_color(defaultColor),
      m_otherText(QStringLiteral("Other...")) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, &CColorButton::ShowPalette);
}

void CColorButton::SetColor(Color color) {
    m_color = color;
    update();
}

void CColorButton::SetOtherText(const QString& text) {
    m_otherText = text;
}

void CColorButton::Pick(int64_t color) {
    SetColor(color == DEFAULT_COLOR_CHOICE ? m_defaultColor : static_cast<Color>(color));
    emit colorPicked(m_color);
}

QWidget* CColorButton::OpenPalette() const {
    return m_palette && m_palette->isVisible() ? m_palette.data() : nullptr;
}

void CColorButton::ChooseOther() {
    ClosePalette();
    if (const std::optional<Color> chosen = ColorDialogInUse()(m_color, this)) {
        Pick(*chosen);
    }
}

QSize CColorButton::sizeHint() const {
    return kPreferredSize;
}

void CColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFrame(painter);
    QRectF swatch =
        QRectF(rect()).adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset);
    if (width() >= kArrowMinWidth) {
        swatch.setRight(width() - kArrowArea);
        PaintDropDownArrow(painter, QRectF(swatch.right(), 0, kArrowArea, height()), isEnabled());
    }
    if (!isEnabled()) {
        painter.setOpacity(kDisabledOpacity);
    }
    PaintColorSwatch(painter, swatch, ToQColor(m_color));
}

void CColorButton::ShowPalette() {
    if (OpenPalette() != nullptr) {
        return;
    }
    m_palette = new CColorPalette(PaletteColors(), kPaletteColumns, m_color, m_otherText, this);
    connect(m_palette, &CColorPalette::colorChosen, this, [this](Color color) { Pick(color); });
    connect(m_palette, &CColorPalette::otherChosen, this, &CColorButton::ChooseOther);
    connect(m_palette, &QObject::destroyed, this, qOverload<>(&QWidget::update));
    m_palette->Open();
    update();
}

void CColorButton::ClosePalette() {
    if (m_palette) {
        m_palette->close();
    }
}

void CColorButton::PaintFrame(QPainter& painter) const {
    const bool hover = isEnabled() && underMouse();
    const bool active = isEnabled() && (hasFocus() || isDown() || OpenPalette() != nullptr);
    painter.setPen(QPen(QColor(EdgeColor(active, hover)), 1.0));
    painter.setBrush(QColor(hover ? PANEL_RAISED : PANEL_SURFACE));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                            kCornerRadius);
}

}  // namespace keyloom
