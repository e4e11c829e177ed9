// The texts a fabricator cuts and drills from: plate marks with thickness and size, angle
// marks, bolt callouts with the hole, all in millimetres as the parts are ordered. A mark of
// two lines keeps the callout narrow enough to find room beside a small drawing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jw {

// A length as the marks write it: up to seven significant digits, no trailing zeros ("230",
// "6.5").
std::string MarkLength(double mm);

// "PL-9X230X90" for one plate, "2-PL-9X230X90" for two: thickness, then the two sides in the
// order given.
std::string PlateMark(int count, double thicknessMm, double firstSideMm, double secondSideMm);

// "2-L-90X90X10" over "L=230": the angle's legs and thickness, and the length cut.
std::vector<std::string> AngleMark(int count, double legMm, double otherLegMm, double thicknessMm,
                                   double lengthMm);

// The hole a bolt is drilled for: 2 mm over the bolt up to 20 mm, 3 mm over larger bolts.
double HoleDiameterMm(double boltMm);

// "3-M20 A325-N" over "(HOLE 22)", then any further lines (where the bolts go); the grade is
// left out when none is chosen.
std::vector<std::string> BoltCallout(int count, double boltMm, std::string_view grade,
                                     std::initializer_list<std::string_view> more = {});

}  // namespace jw
