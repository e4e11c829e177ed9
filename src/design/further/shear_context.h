// What the further checks of a shear connection (shear plate, angle cleats, the splice's web)
// read besides the design state: the bolt forces of the classic run and the geometry derived
// from the input.
#pragma once

#include "data/connection_input.h"
#include "data/design_state.h"
#include "design/report_values.h"

namespace jw::further {

// The elastic method on one vertical line of `bolts` bolts at `pitchCm`, loaded by `shearKg` at
// `eccentricityCm` in the plane of the bolts: the resultant on the end bolt (kg), or nothing
// when the line has no lever arm (one bolt, or a zero pitch).
struct LineGroupForce {
    bool resists = false;
    double resultantKg = 0;
    double polarCm2 = 0;  // J = sum of y^2 about the centroid
};
LineGroupForce BoltLineResultant(double shearKg, double eccentricityCm, int bolts, double pitchCm);

struct ShearContext {
    ConnectionType type = ConnectionType::None;
    const DesignState& s;
    double boltForceKg = 0;    // R on the most stressed web bolt, shared by the plates
    double plateLengthCm = 0;  // Lp = (Nr - 1) c + 2 b
    int boltMm = 0;            // nominal bolt diameter
    // Angle cleats: the support-leg bolt line's lever arm for a single angle, g = tw/2 + A/2
    // (bolts at mid-leg), and the force on the most stressed support bolt: V / (Ncl Nsup) for
    // two angles, the elastic resultant for V at g for one.
    double supportLeverArmCm = 0;
    double supportBoltForceKg = 0;
};

ShearContext MakeShearContext(ConnectionType type, const DesignState& s, const ReportValues& rv);

}  // namespace jw::further
