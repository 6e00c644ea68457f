#include "editors/MacroEventDelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "controls/PanelStyle.h"
#include "editors/MacroEventModel.h"
#include "model/KeyCatalog.h"

namespace keyloom {

namespace {

QWidget* ChoiceEditor(QWidget* parent, const QStringList& choices) {
    auto* choice = new QComboBox(parent);
    StylePanelComboBox(*choice);
    choice->addItems(choices);
    return choice;
}

QWidget* PauseEditor(QWidget* parent) {
    auto* pause = new QLineEdit(parent);
    StylePanelLineEdit(*pause);
    pause->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), pause));
    return pause;
}

}  // namespace

MacroEventDelegate::MacroEventDelegate(TextLookup text, QObject* parent)
    : QStyledItemDelegate(parent), m_text(std::move(text)) {}

void MacroEventDelegate::FinishEditing() {
    QWidget* editor = m_openEditor;
    if (editor == nullptr) {
        return;
    }
    m_openEditor = nullptr;
    emit commitData(editor);
    emit closeEditor(editor);
}

QWidget* MacroEventDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    QWidget* editor = nullptr;
    switch (index.column()) {
        case kKeyColumn: {
            QStringList keys;
            for (uint16_t code = 0; code < kKeyListLength; ++code) {
                keys << QString::fromStdString(KeyTextOfListCode(code, m_text));
            }
            editor = ChoiceEditor(parent, keys);
            break;
        }
        case kActionColumn:
            editor =
                ChoiceEditor(parent, {MacroEventModel::kPressText, MacroEventModel::kReleaseText});
            break;
        default:
            emit pauseEditStarted();
            editor = PauseEditor(parent);
            break;
    }
    m_openEditor = editor;
    return editor;
}

void MacroEventDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant value = index.data(Qt::EditRole);
    if (auto* choice = qobject_cast<QComboBox*>(editor)) {
        const int item = value.toInt();
        choice->setCurrentIndex(item < choice->count() ? item : -1);
    } else if (auto* pause = qobject_cast<QLineEdit*>(editor)) {
        pause->setText(value.toString());
    }
}

void MacroEventDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    if (auto* choice = qobject_cast<QComboBox*>(editor)) {
        if (choice->currentIndex() >= 0) {
            model->setData(index, choice->currentIndex());
        }
    } else if (auto* pause = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, pause->text());
    }
}

}  // namespace keyloom
