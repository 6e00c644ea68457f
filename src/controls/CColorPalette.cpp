#include "controls/CColorPalette.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "controls/CColorSwatch.h"
#include "controls/PanelStyle.h"

namespace keyloom {

namespace {

constexpr int kMargin = 6;
constexpr int kSpacing = 3;
constexpr int kAnchorGap = 2;

int RowCount(size_t colorCount, int columns) {
    return static_cast<int>((colorCount + static_cast<size_t>(columns) - 1) /
                            static_cast<size_t>(columns));
}

}  // namespace

CColorPalette::CColorPalette(std::span<const Color> colors, int columns, Color current,
                             const QString& otherText, QWidget* anchor)
    : QWidget(anchor, Qt::Popup), m_anchor(anchor), m_grid(new QGridLayout(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    m_grid->setSpacing(kSpacing);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
    AddSwatches(colors, columns, current);
    AddOtherEntry(otherText, RowCount(colors.size(), columns), columns);
}

void CColorPalette::Open() {
    adjustSize();
    const QRect screen = m_anchor->screen()->availableGeometry();
    const QPoint below = m_anchor->mapToGlobal(QPoint(0, m_anchor->height() + kAnchorGap));
    QPoint place = below;
    if (below.y() + height() > screen.bottom()) {
        place.setY(below.y() - m_anchor->height() - height() - 2 * kAnchorGap);
    }
    place.setX(
        std::clamp(place.x(), screen.left(), std::max(screen.left(), screen.right() - width())));
    move(place);
    show();
}

void CColorPalette::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(PANEL_POPUP));
    painter.setPen(QColor(PANEL_EDGE));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CColorPalette::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CColorPalette::mousePressEvent(QMouseEvent* event) {
    // A click on the button that opened the palette only closes it, rather than reaching the
    // button and opening the palette again.
    const QPoint onAnchor = m_anchor->mapFromGlobal(event->globalPosition().toPoint());
    if (!rect().contains(event->position().toPoint()) && m_anchor->rect().contains(onAnchor)) {
        setAttribute(Qt::WA_NoMouseReplay);
    }
    QWidget::mousePressEvent(event);
}

void CColorPalette::AddSwatches(std::span<const Color> colors, int columns, Color current) {
    for (size_t i = 0; i < colors.size(); ++i) {
        const Color color = colors[i];
        auto* swatch = new CColorSwatch(color, color == current, this);
        connect(swatch, &CColorSwatch::clicked, this, [this, color] {
            close();
            emit colorChosen(color);
        });
        const int index = static_cast<int>(i);
        m_grid->addWidget(swatch, index / columns, index % columns);
    }
}

void CColorPalette::AddOtherEntry(const QString& text, int row, int columns) {
    auto* other = new QPushButton(text, this);
    StylePanelPushButton(*other);
    other->setFocusPolicy(Qt::NoFocus);
    other->setCursor(Qt::PointingHandCursor);
    connect(other, &QPushButton::clicked, this, &CColorPalette::otherChosen);
    m_grid->addWidget(other, row, 0, 1, columns);
}

}  // namespace keyloom
