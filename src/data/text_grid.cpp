#include "data/text_grid.h"

#include <stdexcept>

#include "data/numbers.h"

namespace jw {

std::size_t TextGrid::Index(int row, int column) const {
    if (!Has(row, column)) throw std::out_of_range("grid cell outside the grid");
    return static_cast<std::size_t>(row) * columns + column;
}

void ShapeGrid(TextGrid& grid, int rows, int columns, int fixedRows, int fixedColumns) {
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * columns);
    for (int r = 0; r < rows && r < grid.rows; ++r)
        for (int c = 0; c < columns && c < grid.columns; ++c)
            cells[static_cast<std::size_t>(r) * columns + c] = std::move(grid.At(r, c));
    grid.rows = rows;
    grid.columns = columns;
    grid.fixedRows = fixedRows;
    grid.fixedColumns = fixedColumns;
    grid.cells = std::move(cells);
}

void ClearGrid(TextGrid& grid) {
    for (int r = 1; r < grid.rows; ++r)
        for (int c = 1; c < grid.columns; ++c) grid.At(r, c).clear();
}

void FillGridColumn(TextGrid& grid, int lastIndex, int column, std::vector<std::string> texts,
                    std::string_view format) {
    for (int r = 0; r < grid.rows; ++r) grid.At(r, column).clear();
    for (int j = 0; j <= lastIndex && j < static_cast<int>(texts.size()); ++j) {
        if (texts[j].empty()) continue;
        grid.At(j, column) =
            format.empty() ? std::move(texts[j]) : FormatNumber(LeadingNumber(texts[j]), format);
    }
}

}  // namespace jw
