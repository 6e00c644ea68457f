#include "controls/CPresetBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "controls/PanelStyle.h"

namespace keyloom {

CPresetBox::CPresetBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Presets may share a name; with duplicates allowed, Enter never jumps to an item of the
    // same name.
    setDuplicatesEnabled(true);
    // Completing the text from other items would rename the preset to their names.
    setCompleter(nullptr);
    StylePanelComboBox(*this);
    connect(this, &QComboBox::currentIndexChanged, this, &CPresetBox::presetChosen);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CPresetBox::Rename);
}

void CPresetBox::SetPresets(std::span<const std::string> names) {
    const QSignalBlocker quiet(this);
    const int current = currentIndex();
    clear();
    for (const std::string& name : names) {
        addItem(QString::fromStdString(name));
    }
    if (current >= 0 && current < count()) {
        setCurrentIndex(current);
    }
}

void CPresetBox::SelectPreset(int index) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
}

void CPresetBox::Rename(const QString& name) {
    const int index = currentIndex();
    if (index < 0) {
        return;
    }
    // Changing the current item's text writes it into the edit field again, which moves the
    // cursor to the end.
    const int cursor = lineEdit()->cursorPosition();
    setItemText(index, name);
    lineEdit()->setCursorPosition(cursor);
    emit presetRenamed(index, name);
}

}  // namespace keyloom
