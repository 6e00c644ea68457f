#pragma once

#include <QLineEdit>

namespace keyloom {

// An edit box for a number from 0 to 255: it takes up to three digits, and a number above 255
// becomes 255 as soon as it is written.
class CNumberBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit CNumberBox(QWidget* parent = nullptr);

    // 0 while the box is empty.
    int Value() const;

  private:
    void LimitToByte(const QString& text);
};

}  // namespace keyloom
