// Material grades: how the names the engineer picks become allowable stresses (ksc).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "data/design_state.h"

namespace jw {

inline constexpr int kBoltGradeCount = 13;
inline constexpr int kBoltDiameterCount = 9;
inline constexpr std::array<std::string_view, kBoltGradeCount> kBoltGradeNames = {
    "A307",   "A325-X", "A325-N", "A325-S", "A490-X", "A490-N", "A490-S",
    "F8.8-X", "F8.8-N", "F8.8-S", "F10-X",  "F10-N",  "F10-S"};
inline constexpr std::array<std::string_view, kBoltDiameterCount> kBoltDiameterNames = {
    "12 mm.", "16 mm.", "18 mm.", "20 mm.", "22 mm.", "24 mm.", "28 mm.", "32 mm.", "36 mm."};

// The plates, cleats and end plates are always of this steel.
inline constexpr std::string_view kCleatGradeName = "SS400";

// Member grade option numbers as the project file keeps them.
enum MemberGradeOption {
    kNoGrade = 0,
    kGradeSS400 = 1,
    kGradeSS490 = 2,
    kGradeSM520 = 3,
    kGradeSM490 = 4
};
// The grade name of an option number ("" for none).
std::string MemberGradeName(int option);
// The form's four options tested in caption order SS400, SS490, SM490, SM520.
std::string MemberGradeFromOptions(bool ss400, bool ss490, bool sm490, bool sm520);

// Each looks the name up exactly and stores its values; false (and nothing stored) when the
// name is not in the table.
bool SetMemberGrade(DesignState& state, std::string_view name);
bool SetCleatGrade(DesignState& state, std::string_view name);
bool SetBoltGrade(DesignState& state, std::string_view name);  // sets SlipCritical, never clears
bool SetWeldGrade(DesignState& state, std::string_view name);

// Oversize of a bolt hole: bolts above 20 mm get 3 mm, others 2 mm (cm in, cm out).
double HoleClearance(double boltDiaCm);
// Bolt diameter in cm from a diameter item such as "20 mm." (its first two characters).
double BoltDiaFromItem(std::string_view item);

// Allowable bolt tension under a shear stress fv (ksc) for bearing-type bolts: the elliptical
// interaction of tension and shear, capped at the plain tension allowable. 0 for "A307" and
// the slip-critical grades. Nothing when the shear alone exceeds what the bolt can carry (the
// value under the root is negative): the bolt is overstressed in shear.
std::optional<double> BoltTensionAllowable(std::string_view grade, double fvKsc);

// The two numbers of that interaction, Ft = min(Ft0, sqrt(Ft0^2 - k fv^2)): the plain tension
// allowable Ft0 (ksc) and the coefficient k. Nothing for a grade without a tension allowable.
struct BoltTensionRule {
    double plainKsc = 0;     // Ft0
    double interaction = 0;  // k
};
std::optional<BoltTensionRule> TensionRuleOf(std::string_view grade);

// Where a bolt grade's allowable shear comes from, in words ("threads excluded from the shear
// plane"); the empty text for a name not in the table.
std::string BoltGradeDescription(std::string_view grade);

// What the main form shows beside the bolt lists: Ft and Fv of a grade, the area of a size.
struct BoltDisplay {
    std::string ftKsc;
    std::string fvKsc;
};
BoltDisplay ShownBoltAllowables(std::string_view grade);
std::string ShownBoltArea(std::string_view diameterItem);

}  // namespace jw
