// The intermediate values the checks record for the calculation report. A run starts from a
// fresh set, so an entry that the run does not compute prints 0, never another run's number.
#pragma once

#include <string>

namespace jw {

struct ReportValues {
    // Web bolt group.
    double Eccentricity = 0;  // ex, cm
    double BoltArea = 0;      // Ab, cm^2
    double BoltForce = 0;     // R, kg
    std::string BoltShearRatioText = "0.00";

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

    // Shear plate weld.
    double WeldCapacity = 0;
    double WeldDesignForce = 0;
    double WeldRatioValue = 0;

    // End plate bolts in combined shear and tension.
    double ActualShearStress = 0;
    double AllowableTensileStress = 0;
    std::string TensileStressRatio = "0.00";  // a text when the bolts are overstressed in shear
    double ShearStressRatio = 0;

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
};

}  // namespace jw
