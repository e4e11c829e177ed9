// Detailing rules: what a connection must keep to be drilled, welded and erected without a
// warning on its drawing, beyond the checks of its design. The automatic design searches only
// layouts that keep them, and every standard connection it proposes is checked against them.
// Where a further check or a shared rule of data/ already states a rule, the rule here calls it.
// Lengths in mm.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "design/design_run.h"

namespace jw::detailing {

// Bolt spacing, centre to centre, in bolt diameters: at 3 d the steel between two holes bears
// and tears like the rest of the plate whatever the bolt force (J3.8), and a wrench fits
// between the nuts.
inline constexpr double kMinPitchDiameters = 3.0;
// Largest pitch of web bolts: beyond it the plies gap between the bolts.
inline constexpr int kMaxPitchMm = 150;
// Largest pitch of end plate bolt rows: the rows either side of a flange stand the flange and
// two weld-and-washer clearances apart; 12 in., the longest spacing J3.5 allows.
inline constexpr int kMaxEndPlatePitchMm = 300;
// Distances are whole millimetres: the least the rules allow, then the multiples of 5 mm above.
inline constexpr int kDistanceStepMm = 5;
// Edge distances are searched from the least up to this much more: a longer edge lowers the
// tearing ratios but lengthens the plate and the bolt group's lever arm.
inline constexpr int kEdgeSearchSpanMm = 20;
// Gap between the beam end and the support face (or the splice line): room for the rolling
// tolerance of the beam's length.
inline constexpr int kSetBackMm = 10;
// Flange splice plates: edge distances from the least up to this much more; gauges across the
// flange from the least in steps of this (the gauge only moves the bolt lines across the
// flange); bolt pitch along the flange up to the gap across the joint 2 (a + e), beyond which
// the plates of the compression flange buckle over the pitch rather than over the gap.
inline constexpr int kFlangeEdgeSearchSpanMm = 10;
inline constexpr int kFlangeGaugeStepMm = 10;

// A web bolt group has at most two columns: a third widens the plate and the lever arm of the
// load more than it adds bolts. At most two cleats: one each side of the web.
inline constexpr int kMaxWebBoltColumns = 2;
inline constexpr int kMaxCleats = 2;
// A splice's web plates hold at least two rows of bolts: the plates then span the web and carry
// the shear's eccentricity across the joint in bending over their depth. A shear plate or angle
// needs two bolts at least, in a row or a column: one bolt cannot hold the load's eccentricity.
inline constexpr int kMinSpliceWebBoltRows = 2;
inline constexpr int kMinWebBolts = 2;
// Rows of flange splice bolts along each flange plate on each side of the joint: at least the
// further checks' two, and more than twelve make a plate longer than any splice needs.
inline constexpr int kMaxFlangeBoltRows = 12;

// Plate thicknesses a fabricator stocks.
inline constexpr std::array<int, 15> kPlateStockMm = {6,  8,  9,  10, 12, 14, 16, 19,
                                                      20, 22, 25, 28, 32, 36, 40};
// Fillet weld sizes an electrode lays in one or a few passes.
inline constexpr std::array<int, 5> kWeldSizesMm = {5, 6, 8, 10, 12};

// Smallest fillet weld on a plate: Table J2.4, as the further check "Weld size minimum" takes it.
int MinWeldSizeMm(int plateMm);
// Largest fillet weld on a plate: no larger than the plate, whose edge carries it.
int MaxWeldSizeMm(int plateMm);

// An end plate may project beyond each beam flange by at most half the beam depth and at most
// this much: a longer projection carries bolt rows that the flange force never reaches.
inline constexpr int kMaxEndPlateProjectionMm = 120;

// The least pitch of a bolt, and its least edge distance: the Table J3.5 distance for a sheared
// edge (at least 1.5 d, so J3.9 holds whatever the force), so no edge must be gas cut.
int LeastPitchMm(int boltMm);
int LeastEdgeMm(int boltMm);
// The distances to search from `least` to `most`: the least, then the multiples of 5 mm above.
std::vector<int> DistanceSteps(int least, int most);

// Beam dimensions in mm, as the section table holds them.
struct BeamMm {
    double d = 0, bf = 0, tw = 0, tf = 0, r1 = 0;
    double ClearWebDepth() const;  // between the root fillets
};
BeamMm BeamDimensions(int beamSection);
// The height an end plate may take on a beam of depth d.
double MaxEndPlateHeightMm(double depthMm);

// Angle legs (mm): the web leg holds the set back, the bolt columns and an edge distance past
// the last column; the outstanding leg holds its bolt line at mid-leg (where the support bolt
// checks take it) with the washer clear of the other leg and a rolled-edge distance to the toe.
bool AngleWebLegFits(double legMm, int setBackMm, int edgeMm, int columns, int pitchMm);
bool AngleOutstandingLegFits(double legMm, double thicknessMm, int boltMm);

// The least gauge C3 of the two inner flange splice bolt lines: each stands clear of the web's
// root fillet by the washer's radius and, with inner plates beside the web, by a sheared-edge
// distance to the inner plate's edge; never closer than the least pitch.
double LeastFlangeGaugeMm(const BeamMm& beam, int boltMm, int flangeCleats);

// What a search may choose beyond the rules: a shear plate welded on one side, where the
// engineer asks for it (the other side cannot be reached).
struct DetailingOptions {
    bool oneSidedWelds = false;
};

// The gauges C3 searched for flange plates with `flangeCleats` cleats and edge distance e: from
// the least to the widest that keeps the plate on the flange.
std::vector<int> FlangeGauges(const BeamMm& beam, int boltMm, int flangeCleats, int edgeMm);
// The flange bolt pitches C2 searched: from the least to the gap across the joint.
std::vector<int> FlangePitches(int boltMm, int setBackMm, int edgeMm);

// Every rule the connection breaks, each as a sentence; empty when it keeps them all.
std::vector<std::string> DetailingFaults(const ConnectionInput& input,
                                         const DetailingOptions& options = {});

}  // namespace jw::detailing
