#pragma once

#include <QAbstractButton>

#include "model/LightingRecord.h"

namespace keyloom {

// One colour of the colour palette, to be clicked; the colour now chosen wears a ring.
class CColorSwatch : public QAbstractButton {
    Q_OBJECT

  public:
    CColorSwatch(Color color, bool current, QWidget* parent = nullptr);

    Color GetColor() const { return m_color; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Color m_color;
    const bool m_current;
};

}  // namespace keyloom
