// Builds a type's result table a row at a time and writes it a column at a time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/text_grid.h"

namespace jw {

class ResultRows {
  public:
    // A table for check rows 1..lastRow; row 0 stays empty.
    explicit ResultRows(int lastRow);

    void Heading(int row, std::string_view label);
    // A ratio row: the verdict follows from the shown ratio.
    void Check(int row, std::string_view label, std::string_view clause, std::string ratioText);
    // Any other row: label, formula, value and unit as given.
    void Row(int row, std::string_view label, std::string_view clause, std::string value,
             std::string_view unit);

    const std::string& ValueAt(int row) const { return columns_[2][row]; }

    // Sets the row count to the larger of lastRow + 1 and 9, then fills the four columns,
    // handing the texts over: the rows are empty afterwards.
    void WriteTo(TextGrid& table);

  private:
    int lastRow_;
    std::vector<std::string> columns_[4];
};

}  // namespace jw
