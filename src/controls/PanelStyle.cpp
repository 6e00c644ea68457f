#include "controls/PanelStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <array>
#include <initializer_list>

#include "controls/CComboArrow.h"

namespace keyloom {

namespace {

constexpr int kPointSize = 9;
constexpr double kCornerRadius = 3.0;
constexpr int kFocusAlpha = 170;
constexpr double kArrowWidth = 7.0;
constexpr double kArrowHeight = 4.0;

struct SheetColor {
    const char* token;
    QRgb color;
};

// Style sheets name the colours by these tokens; no token begins another, nor "@arrow".
constexpr auto kSheetColors = std::to_array<SheetColor>({
    {"@surface", PANEL_SURFACE},
    {"@raised", PANEL_RAISED},
    {"@popup", PANEL_POPUP},
    {"@edge", PANEL_EDGE},
    {"@rim", PANEL_RIM},
    {"@text", PANEL_TEXT},
    {"@caption", PANEL_CAPTION},
    {"@dim", PANEL_DIM},
    {"@accent", PANEL_ACCENT},
});

// The sheet with its colours and the width of the drop-down area filled in.
QString Completed(const char* sheet) {
    QString completed = QString::fromLatin1(sheet);
    for (const SheetColor& entry : kSheetColors) {
        completed.replace(QLatin1String(entry.token), QColor(entry.color).name());
    }
    return completed.replace(QLatin1String("@arrow"),
                             QStringLiteral("%1px").arg(CComboArrow::AREA_WIDTH));
}

// The drop-down area is left empty for CComboArrow.
constexpr char kComboBoxSheet[] =
    "QComboBox { background: @surface; color: @text; border: 1px solid @edge;"
    " border-radius: 3px; padding: 1px 6px; combobox-popup: 0; }"
    "QComboBox:hover { background: @raised; border-color: @rim; }"
    "QComboBox:focus, QComboBox:on { border-color: @accent; }"
    "QComboBox:disabled { color: @dim; }"
    "QComboBox::drop-down { border: none; width: @arrow; }"
    "QComboBox QLineEdit { background: transparent; color: @text; border: none; padding: 0;"
    " selection-background-color: @accent; selection-color: #ffffff; }"
    "QComboBox QAbstractItemView { background: @popup; color: @text; border: 1px solid @edge;"
    " outline: 0; padding: 2px; }"
    "QComboBox QAbstractItemView::item { min-height: 20px; padding: 0 6px; border-radius: 2px; }"
    "QComboBox QAbstractItemView::item:selected { background: @accent; color: #ffffff; }";

constexpr char kLineEditSheet[] =
    "QLineEdit { background: @surface; color: @text; border: 1px solid @edge;"
    " border-radius: 3px; padding: 1px 4px; selection-background-color: @accent;"
    " selection-color: #ffffff; }"
    "QLineEdit:hover { border-color: @rim; }"
    "QLineEdit:focus { border-color: @accent; }"
    "QLineEdit:disabled { color: @dim; }";

constexpr char kPushButtonSheet[] =
    "QPushButton { background: @surface; color: @text; border: 1px solid @edge;"
    " border-radius: 3px; padding: 3px 8px; }"
    "QPushButton:hover { background: @raised; border-color: @rim; }"
    "QPushButton:pressed { background: @popup; }"
    "QPushButton:focus { border-color: @accent; }"
    "QPushButton:disabled { color: @dim; }";

constexpr char kListSheet[] =
    "QListWidget { background: @surface; color: @text; border: 1px solid @edge;"
    " border-radius: 3px; outline: 0; padding: 2px; }"
    "QListWidget::item { padding: 3px 6px; border-radius: 2px; }"
    "QListWidget::item:hover { background: @raised; }"
    "QListWidget::item:selected { background: @accent; color: #ffffff; }";

constexpr char kScrollBarSheet[] =
    "QScrollBar:vertical { background: @popup; width: 10px; margin: 0; border: none; }"
    "QScrollBar::handle:vertical { background: @rim; border-radius: 4px; min-height: 24px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

// A report list: rows of columns under a header, each row with a check box in front.
constexpr char kTableSheet[] =
    "QTableWidget { background: @surface; color: @text; border: 1px solid @edge;"
    " border-radius: 3px; outline: 0; gridline-color: @edge;"
    " selection-background-color: @accent; selection-color: #ffffff; }"
    "QTableWidget::item { padding: 0 4px; }"
    "QTableWidget::item:hover { background: @raised; }"
    "QTableWidget::item:selected { background: @accent; color: #ffffff; }"
    "QTableWidget::indicator { width: 14px; height: 14px; border: 1px solid @rim;"
    " border-radius: 3px; background: @surface; }"
    "QTableWidget::indicator:checked { background: @accent; border-color: #ffffff; }"
    "QHeaderView::section { background: @popup; color: @caption; border: none;"
    " border-right: 1px solid @edge; border-bottom: 1px solid @edge; padding: 4px 6px; }"
    "QTableCornerButton::section { background: @popup; border: none; }";

constexpr char kCheckBoxSheet[] =
    "QCheckBox { background: transparent; }"
    "QCheckBox::indicator { width: 14px; height: 14px; border: 1px solid @rim;"
    " border-radius: 3px; background: @surface; }"
    "QCheckBox::indicator:hover { border-color: @accent; }"
    "QCheckBox::indicator:checked { background: @accent; border-color: @accent; }";

constexpr char kLabelSheet[] = "QLabel { color: @caption; background: transparent; }";

void StyleWidget(QWidget& widget, std::initializer_list<const char*> sheets) {
    widget.setFont(PanelFont());
    QString sheet;
    for (const char* part : sheets) {
        sheet += Completed(part);
    }
    widget.setStyleSheet(sheet);
}

}  // namespace

QFont PanelFont() {
    QFont font = QGuiApplication::font();
    font.setPointSize(kPointSize);
    font.setFamilies({font.family(), QStringLiteral("WenQuanYi Micro Hei")});
    return font;
}

void StylePanelLabel(QLabel& label) {
    StyleWidget(label, {kLabelSheet});
}

void StylePanelComboBox(QComboBox& box) {
    StyleWidget(box, {kComboBoxSheet});
    // Only a styled delegate draws the items as the style sheet says.
    box.setItemDelegate(new QStyledItemDelegate(&box));
    new CComboArrow(box);
}

void StylePanelLineEdit(QLineEdit& edit) {
    StyleWidget(edit, {kLineEditSheet});
}

void StylePanelPushButton(QPushButton& button) {
    StyleWidget(button, {kPushButtonSheet});
}

void StylePanelList(QListWidget& list) {
    StyleWidget(list, {kListSheet, kScrollBarSheet});
}

void StylePanelTable(QTableWidget& table) {
    StyleWidget(table, {kTableSheet, kScrollBarSheet});
}

void StylePanelCheckBox(QCheckBox& box) {
    StyleWidget(box, {kCheckBoxSheet});
}

void PaintFocusFrame(QPainter& painter, const QRectF& box) {
    QColor frame(PANEL_ACCENT);
    frame.setAlpha(kFocusAlpha);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(frame, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.restore();
}

void PaintColorSwatch(QPainter& painter, const QRectF& box, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(PANEL_SWATCH_EDGE), 1.0));
    painter.setBrush(color);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.restore();
}

void PaintDropDownArrow(QPainter& painter, const QRectF& box, bool enabled) {
    const QPointF centre = box.center();
    QPainterPath arrow;
    arrow.moveTo(centre.x() - kArrowWidth / 2, centre.y() - kArrowHeight / 2);
    arrow.lineTo(centre.x() + kArrowWidth / 2, centre.y() - kArrowHeight / 2);
    arrow.lineTo(centre.x(), centre.y() + kArrowHeight / 2);
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(arrow, QColor(enabled ? PANEL_CAPTION : PANEL_DIM));
    painter.restore();
}

}  // namespace keyloom
