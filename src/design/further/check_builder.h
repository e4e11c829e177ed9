// How a further check becomes a row: the ratio, its two-decimal text and the verdict, by the
// same rule as the classic rows, and the numbers written into its formula.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "design/check_row.h"

namespace jw::further {

// The ratio of a rule broken where nothing can be measured against it (a zero distance, one
// bolt against a moment): shown so that it governs any verdict it belongs to.
inline constexpr double kBrokenRuleRatio = 99.99;

// A number as a formula shows it: at most four decimals, trailing zeros dropped ("3.1416",
// "0.65", "1170").
std::string Num(double value);

// The figures of one check.
struct CheckFigures {
    std::string_view name;
    std::string_view clause;
    double demand = 0;
    double capacity = 0;
    std::string_view unit;
    std::string formula;
    std::string substituted;
};

// The row of a check: ratio demand / capacity; a capacity of 0 or less is a broken rule when
// anything is demanded of it. `governs` names the part the figures belong to when a check
// compares several. Stops the run when a figure is not a finite number.
CheckRow MakeCheck(CheckFigures figures, std::string governs = {});

// Of several rows of one check (plies, bolt groups, edges), the one with the highest ratio;
// the first on a tie. Empty input gives an empty row.
CheckRow Governing(const std::vector<CheckRow>& rows);

}  // namespace jw::further
