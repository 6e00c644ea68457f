#include "preview/PreviewGrid.h"

#include <cstddef>

#include "preview/KeyNameLookup.h"

namespace keyloom {
namespace {

constexpr GridOf<std::string_view> kNames = {{
    {"",   "",    "",    "F1",  "F2", "F3",          "F4", "", "F5", "F6", "F7", "F8",
     "F9", "F10", "F11", "F12", "",   "Scroll Lock", "",   "", "",   "",   ""},
    {"Esc",   "",     "1",        "2",        "3",     "4",     "5",         "6",
     "7",     "8",    "9",        "0",        "-",     "=",     "Backspace", "",
     "Pause", "Home", "Num Lock", "Num Lock", "Num /", "Num *", "Num -"},
    {"",  "Tab", "Q",  "W", "E",       "R",   "T", "Y",     "U",     "I",     "O", "P",
     "[", "]",   "\\", "",  "Page Up", "End", "",  "Num 7", "Num 8", "Num 9", ""},
    {"",  "Caps Lock", "A",     "S", "D",         "F", "G", "H",     "J",     "K",     "L",    ";",
     "'", "",          "Enter", "",  "Page Down", "",  "",  "Num 4", "Num 5", "Num 6", "Num +"},
    {"",       "Shift", "K45", "Z",     "X",     "C",           "V",           "B",
     "N",      "M",     ",",   ".",     "/",     "Right Shift", "Right Shift", "↑",
     "Delete", "",      "",    "Num 1", "Num 2", "Num 3",       "Num Enter"},
    {"Ctrl", "Win", "Alt", "", "",  "", "Space", "",      "",      "Right Alt", "Right Alt", "Fn",
     "App",  "←",   "↓",   "", "→", "", "",      "Num 0", "Num 0", "Num .",     ""},
}};

constexpr size_t CountKeyCells() {
    size_t count = 0;
    for (const auto& row : kNames) {
        for (std::string_view name : row) {
            count += name.empty() ? 0 : 1;
        }
    }
    return count;
}

constexpr size_t kKeyCells = CountKeyCells();

struct ResolvedGrid {
    GridOf<int> cells;
    std::array<GroupedButton, kKeyCells> byColumn;
    std::array<GroupedButton, kKeyCells> byRow;
};

ResolvedGrid Resolve() {
    ResolvedGrid grid{};
    size_t next = 0;
    for (int row = 0; row < GRID_ROWS; ++row) {
        grid.cells[row] = LightingButtonsOfNames(kNames[row]);
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            const int button = grid.cells[row][column];
            if (button != NO_BUTTON) {
                grid.byColumn[next] = {button, column};
                grid.byRow[next] = {button, row};
                ++next;
            }
        }
    }
    return grid;
}

// Resolved once, on first use.
const ResolvedGrid& Resolved() {
    static const ResolvedGrid grid = Resolve();
    return grid;
}

}  // namespace

const GridOf<std::string_view>& PreviewGridNames() {
    return kNames;
}

const GridOf<int>& PreviewGrid() {
    return Resolved().cells;
}

ButtonGroups GridColumns() {
    return Resolved().byColumn;
}

ButtonGroups GridRows() {
    return Resolved().byRow;
}

std::optional<GridCell> FirstCellOf(int button) {
    if (button == NO_BUTTON) {
        return std::nullopt;
    }
    for (int row = 0; row < GRID_ROWS; ++row) {
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            if (PreviewGrid()[row][column] == button) {
                return GridCell{column, row};
            }
        }
    }
    return std::nullopt;
}

}  // namespace keyloom
