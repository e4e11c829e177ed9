// The intermediate values the checks record for the calculation report. A run starts from a
// fresh set, so an entry that the run does not compute prints 0, never another run's number.
#pragma once

#include <cmath>
#include <string>

namespace jw {

// What a check set against what, as the check computed them: the force or stress acting and
// what the part allows, in the same unit. The detailed calculation prints them.
struct DemandCapacity {
    double demand = 0;
    double capacity = 0;
};

// The areas of a flange or flange cleat in tension, cm^2.
struct TensionAreas {
    double netStraight = 0;  // two holes straight across the width
    double netZigzag = 0;    // the staggered path through four holes (0 without stagger)
    double net = 0;          // An, the smaller path
    double effective = 0;    // Ae = U An
    double gross = 0;        // Ag
};

struct ReportValues {
    // Web bolt group.
    double Eccentricity = 0;  // ex, cm
    double BoltArea = 0;      // Ab, cm^2
    double BoltForce = 0;     // R, kg
    std::string BoltShearRatioText = "0.00";
    // The elastic method on the web bolt group.
    int BoltCount = 0;               // n = Nr Nc
    double GroupMoment = 0;          // V ex, kg-cm
    double BoltGroupPolar = 0;       // J, cm^2
    double BoltOffsetX = 0;          // xmax, cm
    double BoltOffsetY = 0;          // ymax, cm
    double BoltForceVertical = 0;    // Rv, kg
    double BoltForceHorizontal = 0;  // Rh, kg
    DemandCapacity BoltShear;        // R against Fv Ab Ncl, kg
    DemandCapacity WebBearing;       // R against db tw 1.2 FuMember, kg
    DemandCapacity CleatBearing;     // R against db tc 1.2 FuCleat of one cleat, kg

    // Bearing.
    double MemberBearingAllow = 0;   // 1.2 FuMember
    double MemberBearingAllow2 = 0;  // the same, printed under the flange splice
    double CleatBearingAllow = 0;    // 1.2 FuCleat
    double WebBearingRatioValue = 0;
    double CleatBearingRatioValue = 0;

    // Tearing of the beam web and the cleats.
    double WebShearLength = 0;    // Lv, cm
    double WebTensionLength = 0;  // Ln, cm
    double WebTearingCapacity = 0;
    double WebTearingRatioValue = 0;
    double CleatNetLength = 0;  // Lnv, cm
    double CleatTearingCapacity = 0;
    double CleatTearingRatioValue = 0;

    // Support side (angle legs, end plate).
    double SupportNetLength = 0;
    double SupportTearingCapacity = 0;
    double SupportTearingRatioValue = 0;
    double SupportBearingAllow = 0;
    double SupportBearingRatioValue = 0;
    double SupportBoltShearRatioValue = 0;
    double SupportBoltForce = 0;     // V / (Nsup Ncl)
    double SupportBoltCapacity = 0;  // Fv Ab
    DemandCapacity SupportBearing;   // V / (Ncl Nsup) against db t 1.2 FuCleat, kg

    // Shear plate weld.
    double WeldCapacity = 0;
    double WeldDesignForce = 0;
    double WeldRatioValue = 0;

    // End plate bolts in combined shear and tension.
    double ActualShearStress = 0;
    double AllowableTensileStress = 0;
    std::string TensileStressRatio = "0.00";  // a text when the bolts are overstressed in shear
    double ShearStressRatio = 0;
    double BoltGroupModulus = 0;  // Sz, cm^3

    // Flange splice.
    double FlangeForce = 0;  // M / d
    double FlangeBoltForceValue = 0;
    double FlangeBoltShearRatioValue = 0;
    double FlangeCleatBearingRatioValue = 0;
    double FlangeBearingRatioValue = 0;
    double FlangeCleatTensionCapacity = 0;
    double FlangeCleatTensionRatioValue = 0;
    double BeamFlangeTensionCapacity = 0;
    double BeamFlangeTensionRatioValue = 0;
    double ShearLag = 0;                // U
    DemandCapacity FlangeBoltShear;     // force per flange bolt against Fv Ab Nfc, kg
    DemandCapacity FlangeBearing;       // force per flange bolt against db tf 1.2 FuMember, kg
    DemandCapacity FlangeCleatBearing;  // the same against db tfc 1.2 FuCleat of one cleat, kg
    TensionAreas BeamFlangeAreas;
    TensionAreas FlangeCleatAreas;

    // Whether every figure the detailed calculation prints beside the report's own values is a
    // finite number (the report's values are checked where it is printed).
    bool FiguresFinite() const {
        const double figures[] = {
            GroupMoment, BoltGroupPolar, BoltOffsetX, BoltOffsetY, BoltForceVertical,
            BoltForceHorizontal, BoltShear.demand, BoltShear.capacity, WebBearing.demand,
            WebBearing.capacity, CleatBearing.demand, CleatBearing.capacity,
            SupportBearing.demand, SupportBearing.capacity, BoltGroupModulus, ShearLag,
            FlangeBoltShear.demand, FlangeBoltShear.capacity, FlangeBearing.demand,
            FlangeBearing.capacity, FlangeCleatBearing.demand, FlangeCleatBearing.capacity,
            BeamFlangeAreas.netStraight, BeamFlangeAreas.netZigzag, BeamFlangeAreas.net,
            BeamFlangeAreas.effective, BeamFlangeAreas.gross, FlangeCleatAreas.netStraight,
            FlangeCleatAreas.netZigzag, FlangeCleatAreas.net, FlangeCleatAreas.effective,
            FlangeCleatAreas.gross};
        for (const double figure : figures)
            if (!std::isfinite(figure)) return false;
        return true;
    }
};

}  // namespace jw
