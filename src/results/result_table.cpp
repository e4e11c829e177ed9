#include "results/result_table.h"

#include <algorithm>

namespace jw {
namespace {

// The last row holding any text: the classic table keeps empty rows below its checks.
int LastFilledRow(const TextGrid& grid) {
    for (int r = grid.rows - 1; r >= 0; --r)
        for (int c = 0; c < grid.columns; ++c)
            if (!grid.At(r, c).empty()) return r;
    return -1;
}

}  // namespace

TextGrid ResultTableWithFurther(const TextGrid& classic, const FurtherChecks& further) {
    TextGrid table = classic;
    if (further.checks.empty() && further.warnings.empty()) return table;
    // One empty row between the classic rows and the heading, as between the classic parts.
    int row = LastFilledRow(classic) + 2;
    const int needed = row + 1 + static_cast<int>(further.checks.size() + further.warnings.size());
    ShapeGrid(table, std::max(needed, classic.rows), std::max(classic.columns, 4),
              classic.fixedRows, classic.fixedColumns);
    table.At(row++, 0) = kFurtherChecksHeading;
    for (const CheckRow& check : further.checks) {
        table.At(row, 0) = check.name;
        table.At(row, 1) = check.clause;
        table.At(row, 2) = check.ratioText;
        table.At(row, 3) = check.verdict;
        ++row;
    }
    for (const FurtherWarning& warning : further.warnings)
        table.At(row++, 0) = kWarningPrefix + warning.text;
    return table;
}

}  // namespace jw
