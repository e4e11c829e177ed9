// The design variables of one run. Units: kg, cm, kg-cm and ksc (kg/cm^2). Every length typed
// in millimetres is divided by 10 before it lands here.
#pragma once

#include <cstdint>
#include <string>

namespace jw {

struct DesignState {
    // Loads.
    double shearKg = 0;     // V
    double momentKgCm = 0;  // M (moment connections)

    // Web bolt group and cleats (16-bit counts, as the grid's integer rows are read).
    std::int16_t boltRows = 0;       // Nr
    std::int16_t boltColumns = 0;    // Nc
    std::int16_t cleats = 0;         // Ncl: one bolt shear plane per cleat
    std::int16_t supportBolts = 0;   // Nsup: bolts of one angle on the support
    std::int16_t supportCleats = 0;  // Nsc: cleats in the support-leg net shear
    double setBackCm = 0;            // a
    double edgeCm = 0;               // b
    double pitchCm = 0;              // c, the same in both directions
    double cleatThicknessCm = 0;     // tc
    double angleLegCm = 0;           // A, leg length of the angle cleats

    // Bolts.
    double BoltDia = 0;          // db, cm
    double holeClearanceCm = 0;  // Hole = BoltDia + holeClearanceCm
    double boltAreaCm2 = 0;      // Ab, stored by the end-plate design
    double HoleCm() const { return BoltDia + holeClearanceCm; }

    // Beam section.
    double depthCm = 0;        // d
    double flangeWidthCm = 0;  // bf
    double webCm = 0;          // tw
    double flangeCm = 0;       // tf
    double rootRadiusCm = 0;   // r1

    // Shear plate welds.
    std::string weldGrade;  // "E60xx" or "E70xx"
    float weldSizeCm = 0;   // w, kept in single precision
    double weldSides = 0;   // Nside

    // Flange splice (moment splice).
    double flangeCleatThicknessCm = 0;  // tfc
    std::int16_t flangeCleats = 0;      // Nfc
    std::int16_t flangeRows = 0;        // Nfr
    double flangeEdgeCm = 0;            // e
    double c1Cm = 0;                    // C1, stagger between the flange bolt columns
    double c2Cm = 0;                    // C2, pitch of the flange bolts
    double c3Cm = 0;                    // C3, centre distance across the flange

    // Grade names and the allowable stresses they give (ksc).
    std::string boltGrade;
    std::string memberGrade;
    std::string cleatGrade;
    double Fv = 0;
    double FyMember = 0;
    double FuMember = 0;
    double FyCleat = 0;
    double FuCleat = 0;
    double FwWeld = 0;
    bool SlipCritical = false;
};

}  // namespace jw
