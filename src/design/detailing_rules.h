// Detailing rules: what a connection must keep to be drilled, welded and erected, beyond the
// stress ratios its design checks. The automatic design searches only layouts that keep them,
// and every standard connection is checked against them. Every rule and number is here.
// Lengths in mm.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "design/design_run.h"

namespace jw::detailing {

// Bolt spacing, centre to centre, in bolt diameters: the steel between two holes must bear and
// tear like the rest of the plate, and a wrench must fit between the nuts.
inline constexpr double kMinPitchDiameters = 3.0;
// Hole centre to any edge of a plate, cleat or member, in bolt diameters, so the bolt cannot
// tear out of the edge before it bears.
inline constexpr double kMinEdgeDiameters = 1.5;
// Largest pitch of web and end plate bolts: beyond it the plies gap between the bolts.
inline constexpr int kMaxPitchMm = 150;
// Distances are whole millimetres: the least the rules allow, then the multiples of 5 mm above.
inline constexpr int kDistanceStepMm = 5;
// Edge distances are searched from the least up to this much more: a longer edge lowers the
// tearing ratios but lengthens the plate and the bolt group's lever arm.
inline constexpr int kEdgeSearchSpanMm = 20;
// Gap between the beam end and the support face (or the splice line): room for the rolling
// tolerance of the beam's length.
inline constexpr int kSetBackMm = 10;

// A web bolt group has at most two columns: a third widens the plate and the lever arm of the
// load more than it adds bolts. At most two cleats: one each side of the web.
inline constexpr int kMaxWebBoltColumns = 2;
inline constexpr int kMaxCleats = 2;
// Rows of flange splice bolts along each flange cleat.
inline constexpr int kMaxFlangeBoltRows = 12;

// Plate thicknesses a fabricator stocks.
inline constexpr std::array<int, 15> kPlateStockMm = {6,  8,  9,  10, 12, 14, 16, 19,
                                                      20, 22, 25, 28, 32, 36, 40};
// Fillet weld sizes an electrode lays in one or a few passes.
inline constexpr std::array<int, 5> kWeldSizesMm = {5, 6, 8, 10, 12};

// Smallest fillet weld on a plate (AISC J2.4): a thick plate draws the heat out of a small weld
// so fast that it cracks. 3 mm up to 6 mm plate, 5 up to 13, 6 up to 19, 8 above.
int MinWeldSizeMm(int plateMm);
// Largest fillet weld on a plate: no larger than the plate, which cannot pass on more force.
int MaxWeldSizeMm(int plateMm);

// An end plate at least as thick as its bolts: the end plate design takes the bolts' tension
// as the moment spreads it, with no prying, which holds only while the plate does not bend
// noticeably between the bolt lines.
inline constexpr double kMinEndPlateThicknessDiameters = 1.0;

// An end plate may project beyond each beam flange by at most half the beam depth and at most
// this much: the projection bends as a cantilever that the end plate design does not check.
inline constexpr int kMaxEndPlateProjectionMm = 120;

// The least pitch and edge distance of a bolt, rounded up to whole millimetres.
int LeastPitchMm(int boltMm);
int LeastEdgeMm(int boltMm);
// The distances to search from `least` to `most`: the least, then the multiples of 5 mm above.
std::vector<int> DistanceSteps(int least, int most);

// Beam dimensions in mm, as the section table holds them.
struct BeamMm {
    double d = 0, bf = 0, tw = 0, tf = 0, r1 = 0;
    double ClearWebDepth() const { return d - 2 * tf - 2 * r1; }  // between the root fillets
};
BeamMm BeamDimensions(int beamSection);
// The height an end plate may take on a beam of depth d.
double MaxEndPlateHeightMm(double depthMm);

// Angle legs (mm): the web leg holds the set back, the bolt columns and an edge distance past
// the last column; the outstanding leg holds its bolt line clear of the other leg (leg
// thickness plus one diameter for the washer) with an edge distance to the toe.
bool AngleWebLegFits(double legMm, int setBackMm, int edgeMm, int columns, int pitchMm);
bool AngleOutstandingLegFits(double legMm, double thicknessMm, int boltMm);

// Flange splice bolt lines: the outer cleat (2e + 2 C1 + C3 wide) lies on the flange, and the
// two inner bolt lines stand clear of the web's root fillets: one diameter (the washer) with
// an outer cleat only, an edge distance when inner cleats lie beside the web.
double LeastFlangeGaugeMm(const BeamMm& beam, int boltMm, int flangeCleats);

// Every rule the connection breaks, each as a sentence; empty when it keeps them all.
std::vector<std::string> DetailingFaults(const ConnectionInput& input);

}  // namespace jw::detailing
