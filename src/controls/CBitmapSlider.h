#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "controls/NamedPicture.h"

namespace keyloom {

// A slider drawn entirely from one picture, which its owner replaces for every position. The
// pictures draw the knob's centre from 8 pixels inside the left edge to 8 pixels inside the
// right edge, so a press or a drag takes the position whose knob lies nearest the mouse.
class CBitmapSlider : public QWidget {
    Q_OBJECT

  public:
    using PositionReport = std::function<void(int control, int position)>;

    CBitmapSlider(int control, int minimum, int maximum, QWidget* parent = nullptr);

    int Control() const { return m_control; }
    // Called with the control and the position on a press, on every drag that moves the knob
    // and on the release, and when a key or the wheel moves the knob.
    void SetPositionReport(PositionReport report);
    // Clamped to the range; reports nothing.
    void SetPosition(int position);
    int Position() const { return m_position; }
    // The picture drawn now.
    void SetPicture(const NamedPicture& picture);
    const QString& PictureName() const { return m_picture.name; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int Clamped(int position) const;
    int PositionAt(int x) const;
    // Where a key moves the position to; nothing for keys the slider does not take.
    std::optional<int> KeyTarget(int key) const;
    // Takes the position and reports it, whether it changed or not.
    void SetAndReport(int position);
    // Takes the position and reports it if it changed.
    void MoveTo(int position);

    const int m_control;
    const int m_minimum;
    const int m_maximum;
    int m_position;
    bool m_dragging = false;
    int m_wheelAngle = 0;  // turned but not yet a whole step
    PositionReport m_report;
    NamedPicture m_picture;
};

}  // namespace keyloom
