// Beam splice: web cleats carry the shear, flange cleats carry the moment as a couple M/d.
#include "data/numbers.h"
#include "design/checks.h"
#include "design/connection_checks.h"
#include "design/web_splice.h"

namespace jw {

void CheckBspl(const DesignState& s, ReportValues& rv, TextGrid& table) {
    constexpr std::string_view kTensionClause = "AISC/ASD Sect. D-1";
    ResultRows rows(13);
    AddWebSpliceRows(s, rv, rows);
    rows.Heading(8, "*** Flange Splice ***");
    rows.Check(9, "S.R. Bolt Shear", kShearClause, FormatFixed(FlangeBoltShearRatio(s, rv), 2));
    rows.Check(10, "S.R. Bearing at Beam Flange", kBearingClause,
               FormatFixed(BeamFlangeBearingStep(s, rv), 2));
    rows.Check(11, "S.R. Bearing at Flange Cleat", kBearingClause,
               FormatFixed(FlangeCleatBearingStep(s, rv), 2));
    rows.Check(12, "S.R. Tension at Beam Flange", kTensionClause,
               FormatFixed(BeamFlangeTensionRatio(s, rv), 2));
    rows.Check(13, "S.R. Tension at Flange Cleat", kTensionClause,
               FormatFixed(FlangeCleatTensionRatio(s, rv), 2));
    rows.WriteTo(table);
}

}  // namespace jw
