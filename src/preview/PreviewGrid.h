#pragma once

// The keyboard as a grid of 23 columns by 6 rows, for the previews that move across it: each cell
// holds the key under it; a key spanning two cells is in both, a gap holds no key.

#include <array>
#include <optional>
#include <string_view>

#include "preview/ButtonGroups.h"

namespace keyloom {

inline constexpr int GRID_COLUMNS = 23;
inline constexpr int GRID_ROWS = 6;

template <typename Cell>
using GridOf = std::array<std::array<Cell, GRID_COLUMNS>, GRID_ROWS>;

struct GridCell {
    int column;
    int row;
};

// Rows from the top; the keys by their catalog labels, an empty name for a gap.
const GridOf<std::string_view>& PreviewGridNames();
// The lighting button of every cell, NO_BUTTON for a gap.
const GridOf<int>& PreviewGrid();

// The key of every cell with the cell's column, and with its row.
ButtonGroups GridColumns();
ButtonGroups GridRows();

// The first cell, row by row, that holds the button; none for NO_BUTTON.
std::optional<GridCell> FirstCellOf(int button);

}  // namespace keyloom
