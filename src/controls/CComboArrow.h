#pragma once

#include <QWidget>

class QComboBox;

namespace keyloom {

// The drop-down arrow of a combo box in the panel's look. A style sheet draws that arrow only
// from a picture file, so the arrow is a child of the box instead: it keeps to the box's right
// edge, in the drop-down area the style sheet leaves free, and lets the mouse through.
class CComboArrow : public QWidget {
    Q_OBJECT

  public:
    // Width of the drop-down area at the box's right edge.
    static constexpr int AREA_WIDTH = 18;

    explicit CComboArrow(QComboBox& box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FollowBox();

    QComboBox& m_box;
};

}  // namespace keyloom
