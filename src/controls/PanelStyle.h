#pragma once

// The dark look of the lighting panel's controls: the colours they paint with, their font, and
// the style sheets that give the plain Qt widgets on the panel the same look.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QRgb>

class QCheckBox;
class QComboBox;
class QListWidget;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTableWidget;

namespace keyloom {

// Colours of the controls, drawn on the panel's dark background.
inline constexpr QRgb PANEL_SURFACE = 0xff25282e;  // fields and buttons
inline constexpr QRgb PANEL_RAISED = 0xff2f333a;   // a surface under the mouse
inline constexpr QRgb PANEL_POPUP = 0xff1f2227;    // drop-down lists and the colour palette
inline constexpr QRgb PANEL_EDGE = 0xff3b3f47;
inline constexpr QRgb PANEL_RIM = 0xff5a5f69;  // an edge under the mouse
inline constexpr QRgb PANEL_TEXT = 0xffe8eaef;
inline constexpr QRgb PANEL_CAPTION = 0xffc9ccd3;
inline constexpr QRgb PANEL_DIM = 0xff6f747d;  // disabled text
inline constexpr QRgb PANEL_ACCENT = 0xff0a84ff;
inline constexpr QRgb PANEL_SWATCH_EDGE = 0x99ffffff;  // the thin light border of a colour

// The application's font family at the panel's size, with a fallback for Chinese texts.
QFont PanelFont();

void StylePanelLabel(QLabel& label);
void StylePanelComboBox(QComboBox& box);
void StylePanelLineEdit(QLineEdit& edit);
void StylePanelPushButton(QPushButton& button);
void StylePanelList(QListWidget& list);
void StylePanelTable(QTableWidget& table);
void StylePanelCheckBox(QCheckBox& box);

// The frame that marks keyboard focus, along the inside of `box`.
void PaintFocusFrame(QPainter& painter, const QRectF& box);
// A colour as a rounded swatch with a thin light border.
void PaintColorSwatch(QPainter& painter, const QRectF& box, const QColor& color);
// The small arrow of a drop-down, centred in `box`.
void PaintDropDownArrow(QPainter& painter, const QRectF& box, bool enabled);

}  // namespace keyloom
