// Further checks of the beam splice: the flange splice at the flange force M / (d - tf), shared
// by the outer and inner plates in proportion to their areas; the plates and bolts within the
// flange and clear of its root fillets; tension, block shear and buckling of the flange plates;
// block shear of the beam flange; the web splice plates in bending and shear; and the shared
// bolt checks over every ply of the web and the flanges.
#pragma once

#include "data/design_state.h"
#include "design/further/further_checks.h"
#include "design/report_values.h"

namespace jw::further {

// Rows of flange bolts on each side of the joint: a single row lets the flange plate pivot about
// it, so at least two.
inline constexpr int kLeastFlangeBoltRows = 2;

// A line of flange bolts along the beam, on each side of the web.
struct BoltLine {
    int bolts = 0;        // on one beam, in this line
    double pitchCm = 0;   // along the line
    double offsetCm = 0;  // from the web's centre line
};

// The flange splice of one flange on one beam, as drawn: an outer plate 2 e + 2 C1 + C3 wide
// and, with two flange cleats, an inner plate each side of the web between the root fillet and
// the flange tip; 2 Nfr bolts, in two lines (C1 = 0) or in two pairs of staggered lines, the
// outer lines taking the odd rows.
struct SpliceFlange {
    double forceKg = 0;       // Ff
    double outerAreaCm2 = 0;  // Wf tfc
    double innerAreaCm2 = 0;  // both inner plates, (bf - tw - 2 r1) tfc
    double outerForceKg = 0;  // Ff Ao / (Ao + Ai)
    double innerForceKg = 0;  // Ff Ai / (Ao + Ai)
    double outerWidthCm = 0;  // Wf
    double innerWidthCm = 0;  // of each inner plate
    int bolts = 0;            // 2 Nfr
    BoltLine outer;           // the lines nearest the flange tips
    BoltLine inner;           // the lines nearest the web (the same lines when C1 = 0)
};
SpliceFlange AnalyseSpliceFlange(const DesignState& s);

// Every further check of a splice, in the order shown.
void AddSpliceChecks(const DesignState& s, const ReportValues& rv, FurtherChecks& out);

// The checks of the flange plates and the beam flange in tension, block shear and compression.
void AddSpliceFlangePlateChecks(const DesignState& s, const SpliceFlange& f, FurtherChecks& out);

}  // namespace jw::further
