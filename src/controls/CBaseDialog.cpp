#include "controls/CBaseDialog.h"

#include <QKeyEvent>

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <span>
#include <utility>
#include <vector>

#include "model/LightingRecord.h"
#include "storage/SkinFile.h"
#include "storage/SkinOutline.h"

namespace keyloom {

namespace {

// The outline's runs are turned into a region this many rectangles at a time.
constexpr size_t kRectsPerBatch = 2000;

// Qt takes an empty mask for "no mask"; a mask that lies wholly outside the window hides all of
// it, as an outline picture without a single window pixel asks.
const QRegion kNothingShown(-1, -1, 1, 1);

std::vector<OutlineRun> RunsOf(const QImage& mask) {
    const QImage rgb = mask.convertToFormat(QImage::Format_RGB32);
    return OutlineRuns(rgb.width(), rgb.height(), [&rgb](int x, int y) {
        const QRgb pixel = reinterpret_cast<const QRgb*>(rgb.constScanLine(y))[x];
        return ColorOfRgb(static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)),
                          static_cast<uint8_t>(qBlue(pixel)));
    });
}

QRegion RegionOf(std::span<const OutlineRun> runs) {
    std::vector<QRect> rects;
    rects.reserve(runs.size());
    for (const OutlineRun& run : runs) {
        rects.emplace_back(run.x, run.y, run.width, 1);
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

QRegion ShapeOf(const QImage& mask) {
    const std::vector<OutlineRun> runs = RunsOf(mask);
    const std::span<const OutlineRun> all(runs);
    QRegion shape;
    for (size_t first = 0; first < all.size(); first += kRectsPerBatch) {
        shape += RegionOf(all.subspan(first, std::min(kRectsPerBatch, all.size() - first)));
    }
    return shape;
}

}  // namespace

QImage CBaseDialog::RenderSurface(const std::string& path) {
    return QImage(QString::fromStdString(path))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

CBaseDialog::CBaseDialog(const std::string& skinFile, QWidget* parent)
    : QDialog(parent),
      m_skinFile(skinFile),
      m_skinFolder(std::filesystem::path(skinFile).parent_path()) {
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    LoadSkin();
}

void CBaseDialog::SetStateSurfaces(const ButtonSurfaces& surfaces) {
    m_stateSurfaces = surfaces;
}

void CBaseDialog::SetArrowSurface(const QImage& arrow) {
    m_arrowSurfaces = ButtonSurfaces::Same(arrow);
}

void CBaseDialog::PlaceSkinnedControl(CPngButton* button, const std::string& key) {
    ApplyPlacement(button, keyloom::PlaceSkinnedControl(ReadRect(SKIN_SECTION_BUTTONS, key)));
}

void CBaseDialog::PlaceControl(QWidget* control, const std::string& key) {
    ApplyPlacement(control, keyloom::PlaceControl(ReadRect(SKIN_SECTION_BUTTONS, key)));
}

void CBaseDialog::MoveControlKeepSize(QWidget* control, const std::string& key) {
    ApplyPlacement(control, keyloom::MoveControlKeepSize(ReadRect(SKIN_SECTION_BUTTONS, key),
                                                         control->width(), control->height()));
}

void CBaseDialog::PlaceArrowControl(CPngButton* arrow, const std::string& placeKey,
                                    const std::string& faceKey) {
    ApplyPlacement(arrow, keyloom::PlaceArrowControl(ReadRect(SKIN_SECTION_BUTTONS, placeKey),
                                                     ReadRect(SKIN_SECTION_ARROWS, faceKey)));
}

void CBaseDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            break;
        case Qt::Key_F1:
            event->accept();
            OnHelpKey();
            break;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CBaseDialog::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, m_background);
}

void CBaseDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    QWindow* window = windowHandle();
    if (window == nullptr || !window->startSystemMove()) {
        m_dragOffset = event->globalPosition().toPoint() - pos();
    }
}

void CBaseDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton) != 0) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CBaseDialog::mouseReleaseEvent(QMouseEvent* event) {
    m_dragOffset.reset();
    QDialog::mouseReleaseEvent(event);
}

void CBaseDialog::LoadSkin() {
    const SkinScreen screen = ReadSkinScreen(m_skinFile.Path());
    QImage background = LoadPicture(screen.main);
    const QImage mask = LoadPicture(screen.mask);
    if (background.isNull() || mask.isNull()) {
        m_skinFailed = true;
        return;
    }
    m_background = std::move(background);
    resize(m_background.size());
    ApplyShape(mask);
}

QImage CBaseDialog::LoadPicture(const std::string& name) const {
    return QImage(QString::fromStdString((m_skinFolder / name).string()));
}

void CBaseDialog::ApplyShape(const QImage& mask) {
    m_shape = ShapeOf(mask);
    setMask(m_shape.isEmpty() ? kNothingShown : m_shape);
}

SkinRect CBaseDialog::ReadRect(const std::string& section, const std::string& key) const {
    return ReadSkinRect(m_skinFile.Path(), section, key);
}

void CBaseDialog::ApplyPlacement(QWidget* control, const ControlPlacement& placement) {
    const SkinRect& rect = placement.rect;
    control->setGeometry(rect.x, rect.y, rect.w, rect.h);
    if (placement.changesEnabled) {
        control->setEnabled(placement.enabled);
    }
    if (placement.repaint) {
        control->update();
    }
}

void CBaseDialog::ApplyPlacement(CPngButton* button, const ControlPlacement& placement) {
    if (placement.surfaces != SkinSurfaces::kUnchanged) {
        const bool arrow = placement.surfaces == SkinSurfaces::kArrow;
        button->SetSurfaces(arrow ? m_arrowSurfaces : m_stateSurfaces, false);
        button->SetFaceOrigin({placement.faceX, placement.faceY});
    }
    ApplyPlacement(static_cast<QWidget*>(button), placement);
}

}  // namespace keyloom
