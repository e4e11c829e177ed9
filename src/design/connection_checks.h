// The checks of each connection type. Each takes a state whose input and materials are set,
// fills the result table and records the report values.
#pragma once

#include "data/design_state.h"
#include "data/text_grid.h"
#include "design/report_values.h"

namespace jw {

void CheckWsp(const DesignState& s, ReportValues& rv, TextGrid& table);
void CheckAclt(const DesignState& s, ReportValues& rv, TextGrid& table);
void CheckBmep(DesignState& s, ReportValues& rv, TextGrid& table);  // stores the bolt area
void CheckBspl(const DesignState& s, ReportValues& rv, TextGrid& table);

}  // namespace jw
