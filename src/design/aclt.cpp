// Angle cleats: one leg bolted to the beam web, the other to the support.
#include "data/numbers.h"
#include "design/checks.h"
#include "design/connection_checks.h"
#include "design/web_splice.h"

namespace jw {

void CheckAclt(const DesignState& s, ReportValues& rv, TextGrid& table) {
    ResultRows rows(11);
    AddWebSpliceRows(s, rv, rows);
    rows.Heading(8, "*** Support ***");
    rows.Check(9, "S.R. Bolt Shear", kShearClause, FormatFixed(SupportBoltShearRatio(s, rv), 2));
    rows.Check(10, "S.R. Bearing at Support Cleat", kBearingClause,
               FormatFixed(SupportBearingRatio(s, rv, s.cleatThicknessCm), 2));
    rows.Check(11, "S.R. Tearing at Support Cleat", kTearingClause,
               FormatFixed(SupportTearingStep(s, rv), 2));
    rows.WriteTo(table);
}

}  // namespace jw
