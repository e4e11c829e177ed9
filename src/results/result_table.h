// The result table as a window or a terminal shows it: the classic rows, then the further
// checks under their heading in the same four columns (label, clause, ratio, verdict), then
// the warnings.
#pragma once

#include "data/text_grid.h"
#include "design/further/further_checks.h"

namespace jw {

TextGrid ResultTableWithFurther(const TextGrid& classic, const FurtherChecks& further);

// The label of a warning's row.
inline constexpr const char* kWarningPrefix = "Warning: ";

}  // namespace jw
