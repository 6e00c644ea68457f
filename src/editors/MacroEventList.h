#pragma once

#include <QStringList>
#include <QTableView>
#include <vector>

#include "model/KeyNames.h"
#include "model/MacroRecord.h"

namespace keyloom {

class MacroEventDelegate;
class MacroEventModel;

enum class RowMove { kTop, kUp, kDown, kBottom };

// The event list of the macro page: one row per event (key, action, pause), edited in place.
// Every change made here through a method returns whether it changed the events; edits made in
// the cells are announced by `edited`.
class MacroEventList : public QTableView {
    Q_OBJECT

  public:
    explicit MacroEventList(TextLookup text, QWidget* parent = nullptr);

    void SetTitles(const QStringList& titles);

    const std::vector<MacroEvent>& Events() const;
    // The events as stored, none selected.
    void Load(const std::vector<MacroEvent>& events);
    // A recorded event, inserted after the selected row by the recording rule; the new row is
    // selected and scrolled into view.
    bool Record(const MacroEvent& event, bool recordDelays);

    int SelectedRow() const;
    void SelectRow(int row);
    bool DeleteSelected();
    bool Clear();
    bool MoveSelected(RowMove move);

    void FinishEditing();

  signals:
    void edited();
    void pauseEditStarted();
    void delayClipped();

  private:
    int RowCount() const;

    MacroEventModel* m_model;
    MacroEventDelegate* m_delegate;
};

}  // namespace keyloom
