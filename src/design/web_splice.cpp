#include "design/web_splice.h"

#include "data/numbers.h"
#include "design/checks.h"

namespace jw {

void AddWebSpliceRows(const DesignState& s, ReportValues& rv, ResultRows& rows) {
    rows.Heading(1, "*** Web Splice ***");
    rows.Check(2, "S.R. Bolt shear", kShearClause, BoltShearRatio(s, rv));
    rows.Check(3, "S.R. Bearing at Beam Web", kBearingClause,
               FormatFixed(WebBearingStep(s, rv), 2));
    rows.Check(4, "S.R. Bearing at Web Cleat(s)", kBearingClause,
               FormatFixed(CleatBearingStep(s, rv), 2));
    rows.Check(5, "S.R. Tearing at Beam Web", kTearingClause,
               FormatFixed(WebTearingStep(s, rv), 2));
    rows.Check(6, "S.R. Tearing at Web Cleat(s)", kTearingClause,
               FormatFixed(CleatTearingStep(s, rv), 2));
}

}  // namespace jw
