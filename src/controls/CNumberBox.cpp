#include "controls/CNumberBox.h"

#include <QRegularExpressionValidator>

#include "controls/PanelStyle.h"

namespace keyloom {

namespace {

constexpr int kDigits = 3;
constexpr int kLargest = 255;

}  // namespace

CNumberBox::CNumberBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kDigits)), this));
    setAlignment(Qt::AlignCenter);
    StylePanelLineEdit(*this);
    connect(this, &QLineEdit::textChanged, this, &CNumberBox::LimitToByte);
}

int CNumberBox::Value() const {
    return text().toInt();
}

void CNumberBox::LimitToByte(const QString& text) {
    if (text.toInt() > kLargest) {
        setText(QString::number(kLargest));
    }
}

}  // namespace keyloom
