// Welded shear plate: one or two plates welded to the support and bolted to the beam web.
#include "data/numbers.h"
#include "design/checks.h"
#include "design/connection_checks.h"
#include "design/web_splice.h"

namespace jw {

void CheckWsp(const DesignState& s, ReportValues& rv, TextGrid& table) {
    ResultRows rows(7);
    AddWebSpliceRows(s, rv, rows);
    rows.Check(7, "S.R. Shear resistance of welded cleat plate", "AISC/ASD Sect. J.2-2",
               FormatFixed(WeldShearRatio(s, rv), 2));
    rows.WriteTo(table);
}

}  // namespace jw
