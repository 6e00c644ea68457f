#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "model/KeyNames.h"
#include "model/MacroEditing.h"

namespace keyloom {

enum MacroEventColumn { kKeyColumn, kActionColumn, kPauseColumn, kMacroEventColumns };

// The events of the macro being edited, as the rows of the event list. The edit role carries a
// key's list code, an action, and a pause as the typed text.
class MacroEventModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static const QString kPressText;
    static const QString kReleaseText;

    explicit MacroEventModel(TextLookup text, QObject* parent = nullptr);

    const std::vector<MacroEvent>& Events() const { return m_events; }
    // The events as stored: each keeps its own pause.
    void Load(const std::vector<MacroEvent>& events);
    // The row of the inserted event; -1 when the list is full.
    int Insert(const MacroEvent& event, const InsertEventOptions& options);
    void Remove(int row);
    void Clear();
    void Move(int from, int to);

    void SetTitles(const QStringList& titles);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    // A cell took a different value.
    void edited();
    // A typed pause was above the maximum and has been clipped.
    void delayClipped();

  private:
    QVariant DisplayText(const MacroEvent& event, int column) const;
    QVariant EditValue(const MacroEvent& event, int column) const;
    bool Edit(MacroEvent& event, int column, const QVariant& value);
    void ShowCell(int row, int column);

    TextLookup m_text;
    std::vector<MacroEvent> m_events;
    QStringList m_titles;
};

}  // namespace keyloom
