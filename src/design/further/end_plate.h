// Further checks of the moment end plate: that the plate covers the beam and leaves room for its
// bolts beside the flanges and the web, and that the plate and the bolts carry the tension
// flange's force, by the extended end-plate method of the AISC Manual (ASD, 9th edition) where
// the layout lies within its range and by the manual's T-stub prying method everywhere else.
#pragma once

#include <vector>

#include "data/design_state.h"
#include "design/further/further_checks.h"
#include "design/report_values.h"

namespace jw::further {

// A bolt row beside the tension flange.
struct FlangeRow {
    bool beyond = false;      // beyond the flange (towards the plate's end), else inside it
    double pCm = 0;           // bolt centre to the flange face it faces; 0 or less: in the flange
    double toPlateEndCm = 0;  // bolt centre to the end of the plate
};

// The end plate as the checks and the drawing see it: centred on the beam, as wide as the
// flange, two bolt lines at the gauge g = bf - 2 Le,min (the gas-cut edge distance of the bolt).
// The flange force goes to the bolt rows nearest the tension flange: the nearest row beyond it
// and the nearest row inside it (in the tension half of the plate), at most two rows.
struct EndPlateLayout {
    double heightCm = 0;      // Lp = (Nr - 1) c + 2 b
    double widthCm = 0;       // bs = bf
    double gaugeCm = 0;       // g
    double flangeFaceCm = 0;  // plate end to the tension flange's outer face, (Lp - d) / 2
    int rowsBeyond = 0;       // bolt rows beyond the tension flange
    std::vector<FlangeRow> tensionRows;  // the nearest beyond, then the nearest inside
};
EndPlateLayout LayOutEndPlate(const DesignState& s);

// Where pf must lie for the extended end-plate method: from db + 1/2 in. (the manual's standard
// workable distance, room for the weld and the bolt head) to db + 1 in. (cm).
double ExtendedMethodLeastPfCm(double boltDiaCm);
double ExtendedMethodMostPfCm(double boltDiaCm);

// The fillet welds of the beam to the plate (not an input): what the flange force and the
// shear need of an E70 weld on both faces of each flange and both sides of the web, and what is
// to be laid: rounded up to whole millimetres and at least the Table J2.4 minimum.
// A flange whose force needs a fillet larger than the flange itself is welded with a complete-
// joint-penetration groove weld instead, its reinforcing fillet taken as large as the flange.
struct EndPlateWelds {
    double flangeRequiredCm = 0;
    bool flangeGroove = false;
    double flangeCm = 0;
    double webRequiredCm = 0;
    double webCm = 0;
};
EndPlateWelds SizeEndPlateWelds(const DesignState& s, double flangeForceKg);

// "Plate covers beam", "Bolt clearance at flange" and "Gauge within flange": the plate's room for
// its welds and bolts, which the automatic design asks about before designing a plate.
FurtherChecks EndPlateRoomChecks(const DesignState& s);

// Every further check of an end plate, in the order shown.
void AddEndPlateChecks(const DesignState& s, const ReportValues& rv, FurtherChecks& out);

// "Bolt tension with prying" and "End plate bending" of the bolt rows beside the tension flange,
// with the method used and why among the derived values.
void AddEndPlateTensionChecks(const DesignState& s, const ReportValues& rv,
                              const EndPlateLayout& layout, double flangeWeldCm,
                              FurtherChecks& out);

}  // namespace jw::further
