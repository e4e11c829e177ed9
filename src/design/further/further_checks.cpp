#include "design/further/further_checks.h"

#include "design/further/bolts.h"
#include "design/further/end_plate.h"
#include "design/further/geometry.h"
#include "design/further/plates.h"
#include "design/further/splice.h"
#include "design/further/welds.h"

namespace jw {
namespace {

// The checks of a shear plate or angle cleats, in the order they are shown: the bolts and the
// plies they bear on, the web and the plates or angles in shear, what only one of the two types
// has (the plate's bending and welds, the angles' support bolts), then where the parts sit.
void ShearConnectionChecks(const further::ShearContext& c, FurtherChecks& out) {
    using namespace further;
    const std::vector<Ply> plies = ShearPlies(c);
    AddSlipCriticalBearing(c, out);
    AddSlipResistance(c, out);
    AddEndDistance(plies, c.s.BoltDia, out);
    AddBoltSpacing(plies, c.s.BoltDia, out);
    AddEdgeDistance(c, out);
    AddBeamWebShear(c.s, out);
    AddGrossShear(c, out);
    if (c.type == ConnectionType::WSP) {
        AddPlateFlexure(c, out);
        AddWeldChecks(c, out);
    } else {
        AddSupportBolts(c, out);
    }
    AddWithinClearWeb(c, out);
    AddBuildableGeometry(c, out);
}

}  // namespace

bool FurtherChecks::AllPassed() const {
    for (const CheckRow& check : checks)
        if (!check.Passed()) return false;
    return true;
}

bool FurtherChecks::HasDetailingWarning(bool oneSidedWeldsWanted) const {
    for (const FurtherWarning& warning : warnings)
        if (warning.about == WarningAbout::Detailing ||
            (warning.about == WarningAbout::OneSidedWeld && !oneSidedWeldsWanted))
            return true;
    return false;
}

FurtherChecks RunFurtherChecks(ConnectionType type, const DesignState& s, const ReportValues& rv) {
    FurtherChecks out;
    switch (type) {
        case ConnectionType::WSP:
            ShearConnectionChecks(further::MakeShearContext(type, s, rv), out);
            break;
        case ConnectionType::ACLT:
            ShearConnectionChecks(further::MakeShearContext(type, s, rv), out);
            break;
        case ConnectionType::BMEP:
            further::AddEndPlateChecks(s, rv, out);
            break;
        case ConnectionType::BSPL:
            further::AddSpliceChecks(s, rv, out);
            break;
        case ConnectionType::None:
            break;
    }
    return out;
}

}  // namespace jw
