#include "editors/MacroEventModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "model/KeyCatalog.h"

namespace keyloom {

namespace {

// The key and action columns are drawn grey, so the pause, the column one edits most, stands out.
constexpr QRgb kGreyColumnText = 0xff9da2ab;
constexpr auto kCellAlignment = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

const QString MacroEventModel::kPressText = QStringLiteral("↓");
const QString MacroEventModel::kReleaseText = QStringLiteral("  ↑");

MacroEventModel::MacroEventModel(TextLookup text, QObject* parent)
    : QAbstractTableModel(parent), m_text(std::move(text)) {}

void MacroEventModel::Load(const std::vector<MacroEvent>& events) {
    beginResetModel();
    m_events.clear();
    for (const MacroEvent& event : events) {
        InsertEvent(m_events, event, {.asStored = true});
    }
    endResetModel();
}

int MacroEventModel::Insert(const MacroEvent& event, const InsertEventOptions& options) {
    std::vector<MacroEvent> events = m_events;
    const int row = InsertEvent(events, event, options);
    if (row < 0) {
        return row;
    }
    beginInsertRows({}, row, row);
    m_events = std::move(events);
    endInsertRows();
    if (row > 0) {
        ShowCell(row - 1, kPauseColumn);  // it took the new event's pause
    }
    return row;
}

void MacroEventModel::Remove(int row) {
    beginRemoveRows({}, row, row);
    m_events.erase(m_events.begin() + row);
    endRemoveRows();
}

void MacroEventModel::Clear() {
    Load({});
}

void MacroEventModel::Move(int from, int to) {
    if (from == to) {
        return;
    }
    // A row moved down goes before the row after its target.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    const auto at = [this](int row) { return m_events.begin() + row; };
    if (to > from) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else {
        std::rotate(at(to), at(from), at(from + 1));
    }
    endMoveRows();
}

void MacroEventModel::SetTitles(const QStringList& titles) {
    m_titles = titles;
    emit headerDataChanged(Qt::Horizontal, 0, kMacroEventColumns - 1);
}

int MacroEventModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_events.size());
}

int MacroEventModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kMacroEventColumns;
}

QVariant MacroEventModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const MacroEvent& event = m_events[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return DisplayText(event, index.column());
        case Qt::EditRole:
            return EditValue(event, index.column());
        case Qt::ForegroundRole:
            return index.column() == kPauseColumn ? QVariant() : QBrush(QColor(kGreyColumnText));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(kCellAlignment);
        default:
            return {};
    }
}

QVariant MacroEventModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(kCellAlignment);
    }
    return role == Qt::DisplayRole ? QVariant(m_titles[section]) : QVariant();
}

Qt::ItemFlags MacroEventModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool MacroEventModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    MacroEvent& event = m_events[static_cast<size_t>(index.row())];
    const MacroEvent before = event;
    if (!Edit(event, index.column(), value)) {
        return false;
    }
    ShowCell(index.row(), index.column());
    if (event != before) {
        emit edited();
    }
    return true;
}

QVariant MacroEventModel::DisplayText(const MacroEvent& event, int column) const {
    switch (column) {
        case kKeyColumn:
            return QString::fromStdString(KeyNameOfScanCode(event.key, m_text));
        case kActionColumn:
            return event.action == MACRO_RELEASE ? kReleaseText : kPressText;
        default:
            return QString::number(event.delay);
    }
}

QVariant MacroEventModel::EditValue(const MacroEvent& event, int column) const {
    switch (column) {
        case kKeyColumn:
            return static_cast<int>(ListCodeOf(event.key));
        case kActionColumn:
            return static_cast<int>(event.action);
        default:
            return QString::number(event.delay);
    }
}

bool MacroEventModel::Edit(MacroEvent& event, int column, const QVariant& value) {
    switch (column) {
        case kKeyColumn: {
            const ScanCode key = ScanCodeOfListCode(static_cast<uint16_t>(value.toUInt()));
            if (key == 0) {
                return false;
            }
            event.key = key;
            return true;
        }
        case kActionColumn:
            event.action = value.toUInt() == MACRO_RELEASE ? MACRO_RELEASE : MACRO_PRESS;
            return true;
        default: {
            const DelayValidation typed = ValidateDelay(value.toString().toStdString());
            if (typed.clipped) {
                emit delayClipped();
            }
            event.delay = typed.delay;
            return true;
        }
    }
}

void MacroEventModel::ShowCell(int row, int column) {
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell);
}

}  // namespace keyloom
