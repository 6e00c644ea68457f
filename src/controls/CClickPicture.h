#pragma once

#include <QWidget>

#include "controls/NamedPicture.h"

namespace keyloom {

// A picture that can be clicked, shown plain or selected, each from an image of its own.
class CClickPicture : public QWidget {
    Q_OBJECT

  public:
    explicit CClickPicture(QWidget* parent = nullptr);

    // Keeps the selection.
    void SetImages(const NamedPicture& plain, const NamedPicture& selected);
    void SetSelected(bool selected);
    bool Selected() const { return m_selected; }
    // The file name of the image shown now.
    const QString& ShownName() const { return Shown().name; }

    QSize sizeHint() const override;

  signals:
    // On a left-button release inside the picture.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const NamedPicture& Shown() const { return m_selected ? m_selectedImage : m_plainImage; }

    NamedPicture m_plainImage;
    NamedPicture m_selectedImage;
    bool m_selected = false;
};

}  // namespace keyloom
