#include "design/result_rows.h"

#include "data/text_helpers.h"
#include "design/checks.h"

namespace jw {

// The result table never shows fewer than nine rows.
constexpr int kMinimumTableRows = 9;

ResultRows::ResultRows(int lastRow) : lastRow_(lastRow) {
    for (auto& column : columns_) column.assign(lastRow + 1, std::string());
}

void ResultRows::Heading(int row, std::string_view label) {
    columns_[0][row] = label;
}

void ResultRows::Check(int row, std::string_view label, std::string_view clause,
                       std::string ratioText) {
    const std::string verdict = Verdict(ratioText);
    Row(row, label, clause, std::move(ratioText), verdict);
}

void ResultRows::Row(int row, std::string_view label, std::string_view clause, std::string value,
                     std::string_view unit) {
    columns_[0][row] = label;
    columns_[1][row] = clause;
    columns_[2][row] = std::move(value);
    columns_[3][row] = unit;
}

void ResultRows::WriteTo(TextGrid& table) {
    const int rows = static_cast<int>(MaxOfTwo(lastRow_ + 1, kMinimumTableRows));
    ShapeGrid(table, rows, 4, table.fixedRows, table.fixedColumns);
    for (int c = 0; c < 4; ++c) FillGridColumn(table, lastRow_, c, std::move(columns_[c]));
}

}  // namespace jw
