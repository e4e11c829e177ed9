#include "design/further/check_builder.h"

#include <cmath>

#include "data/design_error.h"
#include "data/numbers.h"
#include "design/checks.h"

namespace jw::further {

std::string Num(double value) {
    return FormatTrimmed(value, 4);
}

CheckRow MakeCheck(CheckFigures f, std::string governs) {
    if (!std::isfinite(f.demand) || !std::isfinite(f.capacity))
        throw DesignError("A value is too large to compute: reduce the input values.");
    CheckRow row;
    row.name = f.name;
    row.clause = f.clause;
    row.demand = f.demand;
    row.capacity = f.capacity;
    row.unit = f.unit;
    row.formula = std::move(f.formula);
    row.substituted = std::move(f.substituted);
    row.governs = std::move(governs);
    if (f.capacity > 0)
        row.ratio = f.demand / f.capacity;
    else
        row.ratio = f.demand > 0 ? kBrokenRuleRatio : 0;
    if (!std::isfinite(row.ratio))
        throw DesignError("A value is too large to compute: reduce the input values.");
    row.ratioText = FormatFixed(row.ratio, 2);
    row.verdict = Verdict(row.ratioText);
    return row;
}

CheckRow Governing(const std::vector<CheckRow>& rows) {
    const CheckRow* worst = nullptr;
    for (const CheckRow& row : rows)
        if (!worst || row.ratio > worst->ratio) worst = &row;
    return worst ? *worst : CheckRow{};
}

}  // namespace jw::further
