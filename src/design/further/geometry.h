// "Buildable geometry": what any fabricator needs before the stresses mean anything: real
// distances, welds that can be laid, and the warning for a plate out of proportion to the web.
#pragma once

#include "design/further/further_checks.h"
#include "design/further/shear_context.h"

namespace jw::further {

void AddBuildableGeometry(const ShearContext& c, FurtherChecks& out);

// A shear plate no thicker than three times the beam web (both in one unit): a thicker plate,
// not the bolts, would govern the rotation the beam end needs.
bool PlateInProportionToWeb(double plateThickness, double webThickness);

}  // namespace jw::further
