// Further checks: the limit states and detailing rules of allowable stress design (AISC
// ASD rules of 1989 and the connection methods of its manual) that the classic rows of a
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

// Whom a warning speaks to. Only a warning about the connection's own detailing counts against
// a layout the automatic design would propose.
enum class WarningAbout {
    Detailing,     // the connection's own detailing should change
    OneSidedWeld,  // a shear plate welded on one side: detailing, unless the engineer wants it so
    Support,       // the support, which is not an input: the engineer checks it
    DerivedDetail  // what the program's own rules call for on the drawing (the end plate's welds,
                   // its gas-cut sides at the bolt gauge): no input changes it
};

// What the drawing or the detailing should take care of: shown, never part of the verdict.
struct FurtherWarning {
    std::string text;
    WarningAbout about = WarningAbout::Detailing;
};

struct FurtherChecks {
    std::vector<CheckRow> checks;
    std::vector<DerivedValue> derived;
    std::vector<FurtherWarning> warnings;

    bool AllPassed() const;
    // Whether a warning asks for other detailing of the connection itself: not one about the
    // support or about what the program derives, nor, when the engineer asked for welds on one
    // side, the one about such welds.
    bool HasDetailingWarning(bool oneSidedWeldsWanted = false) const;
};

// The further checks of a connection type, in the order they are shown. `s` holds the input and
// materials of a run whose classic checks have filled `rv`.
FurtherChecks RunFurtherChecks(ConnectionType type, const DesignState& s, const ReportValues& rv);

// The heading above the further checks in the result table.
inline constexpr const char* kFurtherChecksHeading = "*** Further checks (AISC-ASD 1989) ***";

}  // namespace jw
