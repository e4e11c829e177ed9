// Further checks of the beam web, the plates and the angles in shear and bending, and where
// they sit on the beam.
#pragma once

#include "design/further/further_checks.h"
#include "design/further/shear_context.h"

namespace jw::further {

// "Beam web shear": V over 0.40 Fy of the web, d tw.
void AddBeamWebShear(const DesignState& s, FurtherChecks& out);
// "Gross shear of plate(s)" / "Gross shear of angle(s)": V over 0.40 Fy of Ncl tc Lp.
void AddGrossShear(const ShearContext& c, FurtherChecks& out);
// "Plate flexure" of a shear plate at its first bolt line.
void AddPlateFlexure(const ShearContext& c, FurtherChecks& out);
// "Plate within clear web" / "Angle within clear web": Lp <= d - 2 tf - 2 r1.
void AddWithinClearWeb(const ShearContext& c, FurtherChecks& out);

}  // namespace jw::further
