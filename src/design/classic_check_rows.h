// The classic rows of a design run as checks an engineer can follow by hand: each row of the
// result table with its formula in symbols, the run's numbers put into it and what acted against
// what, in the same row type as the further checks. Every number is one the classic checks
// recorded while they ran; the name, clause, ratio and verdict are the table's own texts.
#pragma once

#include <string>
#include <vector>

#include "data/connection_input.h"
#include "data/design_state.h"
#include "data/text_grid.h"
#include "design/check_row.h"
#include "design/report_values.h"

namespace jw {

// The rows under one heading of the result table ("Web Splice", "Support", ...).
struct CheckGroup {
    std::string heading;
    std::vector<CheckRow> checks;
};

// The classic rows of a finished run of `type`, grouped under the table's headings, in table
// order. A check row the type does not know keeps its table texts and no figures.
std::vector<CheckGroup> ClassicCheckRows(ConnectionType type, const DesignState& s,
                                         const ReportValues& rv, const TextGrid& table);

}  // namespace jw
