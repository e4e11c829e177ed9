// The force in each flange of a beam under a moment: the couple of the two flanges acts at the
// distance between their centroids, d - tf, so Ff = M / (d - tf) (M / d would put the couple at
// the outer faces and understate the force by tf / d).
#pragma once

#include "data/design_state.h"
#include "design/further/further_checks.h"

namespace jw::further {

double FlangeForceKg(const DesignState& s);

// The derived value "Ff" with its rule, for the report.
DerivedValue FlangeForceValue(const DesignState& s);

}  // namespace jw::further
