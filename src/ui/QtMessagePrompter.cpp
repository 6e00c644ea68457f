#include <QMessageBox>

#include "controls/ModalChildren.h"
#include "ui/QtMessagePrompter.h"

namespace keyloom {

namespace {

// `cancelButton` answers a box that the tool closes itself (at exit, or when the keyboard goes).
struct ButtonChoice {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton cancelButton;
};

ButtonChoice ChoiceOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::kYesNo:
            return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
        case MessageButtons::kYesNoDefaultNo:
            return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No};
        case MessageButtons::kOk:
            break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

MessageAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::kYes;
        case QMessageBox::No:
            return MessageAnswer::kNo;
        default:
            return MessageAnswer::kOk;
    }
}

}  // namespace

MessageAnswer QtMessagePrompter::Ask(const std::string&, const QString& text,
                                     MessageButtons buttons, bool topMost) {
    const ButtonChoice choice = ChoiceOf(buttons);
    QMessageBox box(QMessageBox::NoIcon, QString(), text, choice.buttons);
    box.setDefaultButton(choice.defaultButton);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    return AnswerOf(ExecModalChild(box, choice.cancelButton));
}

}  // namespace keyloom
