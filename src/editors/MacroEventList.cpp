#include "editors/MacroEventList.h"

#include <QColor>
#include <QHeaderView>
#include <algorithm>

#include "controls/PanelStyle.h"
#include "editors/MacroEventDelegate.h"
#include "editors/MacroEventModel.h"

namespace keyloom {

namespace {

constexpr int kColumnWidth = 65;
constexpr int kRowHeight = 20;
constexpr int kPointSize = 8;

QString Name(QRgb color) {
    return QColor(color).name();
}

QString ListSheet() {
    return QStringLiteral(
               "QTableView { background: %1; color: %2; border: 1px solid %3; gridline-color: %4;"
               " selection-background-color: %5; selection-color: #ffffff; outline: 0; }"
               "QHeaderView { background: %4; border: none; }"
               "QHeaderView::section { background: %4; color: %6; border: none;"
               " border-right: 1px solid %3; padding: 0 4px; }"
               "QTableCornerButton::section { background: %4; border: none; }")
        .arg(Name(PANEL_SURFACE), Name(PANEL_TEXT), Name(PANEL_EDGE), Name(PANEL_RAISED),
             Name(PANEL_ACCENT), Name(PANEL_CAPTION));
}

}  // namespace

MacroEventList::MacroEventList(TextLookup text, QWidget* parent)
    : QTableView(parent),
      m_model(new MacroEventModel(text, this)),
      m_delegate(new MacroEventDelegate(text, this)) {
    setModel(m_model);
    setItemDelegate(m_delegate);
    QFont font = PanelFont();
    font.setPointSize(kPointSize);
    setFont(font);
    setStyleSheet(ListSheet());
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    // The pause column takes the rest of the width, so its title is not cut.
    horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < kMacroEventColumns; ++column) {
        setColumnWidth(column, kColumnWidth);
    }
    connect(m_model, &MacroEventModel::edited, this, &MacroEventList::edited);
    connect(m_model, &MacroEventModel::delayClipped, this, &MacroEventList::delayClipped);
    connect(m_delegate, &MacroEventDelegate::pauseEditStarted, this,
            &MacroEventList::pauseEditStarted);
}

void MacroEventList::SetTitles(const QStringList& titles) {
    m_model->SetTitles(titles);
}

const std::vector<MacroEvent>& MacroEventList::Events() const {
    return m_model->Events();
}

void MacroEventList::Load(const std::vector<MacroEvent>& events) {
    FinishEditing();
    m_model->Load(events);
}

bool MacroEventList::Record(const MacroEvent& event, bool recordDelays) {
    const int row = m_model->Insert(
        event, {.recordingRule = true, .recordDelays = recordDelays, .afterRow = SelectedRow()});
    if (row < 0) {
        return false;
    }
    SelectRow(row);
    return true;
}

int MacroEventList::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MacroEventList::SelectRow(int row) {
    const QModelIndex cell = m_model->index(row, kKeyColumn);
    selectionModel()->setCurrentIndex(
        cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(cell);
}

bool MacroEventList::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0) {
        return false;
    }
    FinishEditing();
    m_model->Remove(row);
    return true;
}

bool MacroEventList::Clear() {
    if (RowCount() == 0) {
        return false;
    }
    FinishEditing();
    m_model->Clear();
    return true;
}

bool MacroEventList::MoveSelected(RowMove move) {
    const int row = SelectedRow();
    if (row < 0) {
        return false;
    }
    const int last = RowCount() - 1;
    int target = 0;
    switch (move) {
        case RowMove::kTop:
            break;
        case RowMove::kUp:
            target = std::max(row - 1, 0);
            break;
        case RowMove::kDown:
            target = std::min(row + 1, last);
            break;
        case RowMove::kBottom:
            target = last;
            break;
    }
    FinishEditing();
    m_model->Move(row, target);
    SelectRow(target);
    setFocus();
    return target != row;
}

void MacroEventList::FinishEditing() {
    m_delegate->FinishEditing();
}

int MacroEventList::RowCount() const {
    return static_cast<int>(Events().size());
}

}  // namespace keyloom
