// The web bolt group and web cleat rows shared by the shear plate, the angle cleats and the
// web of the beam splice.
#pragma once

#include "data/design_state.h"
#include "design/report_values.h"
#include "design/result_rows.h"

namespace jw {

// Writes rows 1 ("*** Web Splice ***") to 6 in their order of computation.
void AddWebSpliceRows(const DesignState& s, ReportValues& rv, ResultRows& rows);

inline constexpr std::string_view kShearClause = "AISC/ASD Sect. J.4-1";
inline constexpr std::string_view kBearingClause = "AISC/ASD Sect. J.3-1";
inline constexpr std::string_view kTearingClause = "AISC/ASD Sect. J.5-2";

}  // namespace jw
