#pragma once

#include <QComboBox>
#include <span>
#include <string>

namespace keyloom {

// The box of the user's lighting presets: the user picks a preset from the list or renames the
// current one by editing its text. It never adds items itself, and changes made through its
// functions emit nothing.
class CPresetBox : public QComboBox {
    Q_OBJECT

  public:
    explicit CPresetBox(QWidget* parent = nullptr);

    // Replaces the items, keeping the current index where it still exists.
    void SetPresets(std::span<const std::string> names);
    void SelectPreset(int index);

  signals:
    // The user picked another item.
    void presetChosen(int index);
    // The user edited the text: the current item's text became `name`.
    void presetRenamed(int index, const QString& name);

  private:
    void Rename(const QString& name);
};

}  // namespace keyloom
