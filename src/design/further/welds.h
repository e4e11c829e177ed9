// Further checks of the fillet welds of a shear plate to its support.
#pragma once

#include "design/further/further_checks.h"
#include "design/further/shear_context.h"

namespace jw::further {

// Smallest fillet weld on a part of thickness t (Table J2.4): a thick part draws the heat out
// of a small weld so fast that it cracks. 3 mm up to 6 mm, 5 up to 13, 6 up to 19, 8 above.
double MinFilletWeldMm(double thicknessMm);

// "Weld size minimum", "Weld base metal" and the warnings about the welds.
void AddWeldChecks(const ShearContext& c, FurtherChecks& out);

}  // namespace jw::further
