#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "controls/CIniFile.h"
#include "controls/CPngButton.h"
#include "storage/SkinPlacement.h"

namespace keyloom {

// A dialog drawn from its skin file: section SCREEN names the background picture, which gives
// the dialog its size and face, and the outline picture, whose pure white pixels are cut out of
// the window. A press on the background drags the window. The dialog also keeps the
// full-window state pictures of its image buttons and places its controls from the skin file.
class CBaseDialog : public QDialog {
    Q_OBJECT

  public:
    // A picture made ready to be drawn from; an empty surface when the file is missing or
    // cannot be decoded.
    static QImage RenderSurface(const std::string& path);

    // Loads the skin at once; the pictures of SCREEN are relative to the skin file's folder.
    explicit CBaseDialog(const std::string& skinFile, QWidget* parent = nullptr);

    const CIniFile& SkinFile() const { return m_skinFile; }
    // Whether the background or outline picture could not be loaded: a window without them
    // cannot be shown, and the program ends quietly (exit code 0).
    bool SkinFailed() const { return m_skinFailed; }

    // The part of the dialog that its outline picture keeps.
    const QRegion& WindowShape() const { return m_shape; }

    // The pictures that image buttons placed from now on take.
    void SetStateSurfaces(const ButtonSurfaces& surfaces);
    // The picture that arrow indicators placed from now on show in every state.
    void SetArrowSurface(const QImage& arrow);

    // Control placement from section BUTTONINFO, by the placement rules of the skin files.
    void PlaceSkinnedControl(CPngButton* button, const std::string& key);
    void PlaceControl(QWidget* control, const std::string& key);
    void MoveControlKeepSize(QWidget* control, const std::string& key);
    // Placed at `placeKey`; the face origin comes from `faceKey` in section BUTTONINFO2.
    void PlaceArrowControl(CPngButton* arrow, const std::string& placeKey,
                           const std::string& faceKey);

  protected:
    // The skinned windows close only through their own buttons: Enter and Esc are swallowed, and
    // F1 calls OnHelpKey().
    void keyPressEvent(QKeyEvent* event) override;
    virtual void OnHelpKey() {}

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void LoadSkin();
    QImage LoadPicture(const std::string& name) const;
    void ApplyShape(const QImage& mask);
    SkinRect ReadRect(const std::string& section, const std::string& key) const;
    void ApplyPlacement(QWidget* control, const ControlPlacement& placement);
    void ApplyPlacement(CPngButton* button, const ControlPlacement& placement);

    CIniFile m_skinFile;
    std::filesystem::path m_skinFolder;
    QImage m_background;
    bool m_skinFailed = false;
    QRegion m_shape;
    ButtonSurfaces m_stateSurfaces;
    ButtonSurfaces m_arrowSurfaces;
    std::optional<QPoint> m_dragOffset;  // pointer to window corner while dragging by hand
};

}  // namespace keyloom
