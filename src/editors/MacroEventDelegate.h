#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

#include "model/KeyNames.h"

namespace keyloom {

// In-place editing of the event list: the key column opens a drop-down of the list keys, the
// action column one of press and release, the pause column an edit that takes digits only.
class MacroEventDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit MacroEventDelegate(TextLookup text, QObject* parent = nullptr);

    // Commits and closes the open editor, if any.
    void FinishEditing();

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  signals:
    void pauseEditStarted() const;

  private:
    TextLookup m_text;
    // createEditor is const by Qt's contract, yet the open editor must be known to finish it.
    mutable QPointer<QWidget> m_openEditor;
};

}  // namespace keyloom
