// Further checks: the limit states and detailing rules of allowable stress design (AISC
// specification of 1989 and the connection methods of its manual) that the classic rows of a
// connection leave out. They run after the classic checks, on the same design state, and the
// verdict of a connection includes them.
#pragma once

#include <string>
#include <vector>

#include "data/connection_input.h"
#include "data/design_state.h"
#include "design/check_row.h"
#include "design/report_values.h"

namespace jw {

// A value a further check needs beyond the input grid, with the rule that derives it.
struct DerivedValue {
    std::string symbol;  // "Fv,sc"
    double value = 0;
    std::string unit;  // "ksc"
    std::string rule;  // "slip-critical shear allowable, Table J3.2 (standard holes, class A)"
};

// What a connection's own detailing should change: shown, never part of the verdict. A note
// about the support (which is not an input) asks the engineer to check something the program
// cannot see, and says nothing against the connection itself.
struct FurtherWarning {
    std::string text;
    bool aboutSupport = false;
};

struct FurtherChecks {
    std::vector<CheckRow> checks;
    std::vector<DerivedValue> derived;
    std::vector<FurtherWarning> warnings;

    bool AllPassed() const;
    // Whether a warning speaks about the connection itself (not the support).
    bool HasDetailingWarning() const;
};

// The further checks of a connection type, in the order they are shown. `s` holds the input and
// materials of a run whose classic checks have filled `rv`.
FurtherChecks RunFurtherChecks(ConnectionType type, const DesignState& s, const ReportValues& rv);

// The heading above the further checks in the result table.
inline constexpr const char* kFurtherChecksHeading = "*** Further checks (AISC-ASD 1989) ***";

}  // namespace jw
