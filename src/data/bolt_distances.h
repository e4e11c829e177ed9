// Least distances around a bolt hole that every check and drawing shares (mm).
#pragma once

namespace jw {

// Least distance from the centre of a standard hole to an edge (AISC ASD 1989, Table J3.5, in
// metric sizes): a sheared edge is work-hardened and may tear from small cracks, so it needs
// more steel than a rolled, gas-cut or planed edge.
struct EdgeDistanceMm {
    int sheared = 0;
    int rolledOrGasCut = 0;
};

// The distances of a bolt: the table's row for the program's diameters (12 to 36 mm), and for
// any other size the table's rule for large bolts, 1.75 d sheared and 1.25 d gas-cut, rounded
// up to whole millimetres.
EdgeDistanceMm LeastEdgeDistance(int boltMm);

// The gauge of the two end plate bolt lines: the plate is as wide as the beam flange and each
// line keeps the gas-cut edge distance to its edge of the plate. Can be negative for a narrow
// flange; the end plate checks then fail the layout.
double EndPlateGaugeMm(double flangeWidthMm, int boltMm);

}  // namespace jw
