// Where the parts of a connection and their bolt holes lie against each other (mm): the plain
// geometric facts a fabricator checks before anything is cut. Pure functions of the dimensions,
// shared by the drawings' geometry warnings and the detailing checks.
#pragma once

namespace jw {

// Depth of the flat part of the web between the root fillets, d - 2 tf - 2 r1.
double ClearWebDepthMm(double depthMm, double flangeMm, double rootRadiusMm);

// A plate or angle bolted to the web must lie on the flat of the web: one that reaches the root
// fillets rides up on them and cannot be pulled tight (length <= d - 2 tf - 2 r1).
bool FitsClearWeb(double lengthMm, double depthMm, double flangeMm, double rootRadiusMm);

// A line of `count` holes of diameter `holeMm`, the first centred at `firstMm` and the others
// `pitchMm` apart (either way), lies wholly between `lowMm` and `highMm`. True for no holes.
bool HolesWithin(double firstMm, double pitchMm, int count, double holeMm, double lowMm,
                 double highMm);

// The two bolt lines of an end plate, `gaugeMm` apart, stand either side of the web with their
// holes clear of it; a gauge smaller than that (or negative) puts a hole into the web.
bool GaugeClearsWeb(double gaugeMm, double webMm, double holeMm);

// An end plate at least as deep as the beam: only then do both flanges sit on it and can be
// welded to it.
bool EndPlateCoversBeam(double plateHeightMm, double depthMm);

// A flange splice plate no wider than the flange it lies on, so its edge welds and bolts stay
// on the flange.
bool FitsFlangeWidth(double plateWidthMm, double flangeWidthMm);

// The inner flange bolt lines, `gaugeMm` apart across the web, keep their holes clear of the
// web and its root fillets, where a nut cannot sit flat.
bool HolesClearOfWebFillets(double gaugeMm, double webMm, double rootRadiusMm, double holeMm);

// The edge distance of a hole against AISC ASD Table J3.5: enough for a sheared edge, enough
// only for a rolled, gas-cut or planed edge (the drawing must then call for such edges), or too
// short for any edge.
enum class EdgeDistanceClass { AnyEdge, GasCutEdgeOnly, TooShort };
EdgeDistanceClass ClassifyEdgeDistance(double edgeMm, int boltMm);

}  // namespace jw
