// A grid of text cells with fixed header rows and columns. The input grid, the result table
// and the summary grid are all this grid; windows only show it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jw {

struct TextGrid {
    int rows = 0;
    int columns = 0;
    int fixedRows = 0;
    int fixedColumns = 0;
    std::vector<std::string> cells;  // row-major, rows * columns

    const std::string& At(int row, int column) const { return cells[Index(row, column)]; }
    std::string& At(int row, int column) { return cells[Index(row, column)]; }
    bool Has(int row, int column) const {
        return row >= 0 && row < rows && column >= 0 && column < columns;
    }

  private:
    std::size_t Index(int row, int column) const;
};

// Sets the four counts; cells inside both the old and the new shape keep their text.
void ShapeGrid(TextGrid& grid, int rows, int columns, int fixedRows, int fixedColumns);
// Empties every cell whose row and column are both 1 or more.
void ClearGrid(TextGrid& grid);
// Empties the column in every row, then writes texts[j] (j = 0..lastIndex) into row j when the
// text is not empty, through the number format when `format` is not empty.
void FillGridColumn(TextGrid& grid, int lastIndex, int column, std::vector<std::string> texts,
                    std::string_view format = {});

}  // namespace jw
