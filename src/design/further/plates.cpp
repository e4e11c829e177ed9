#include "design/further/plates.h"

#include "data/part_geometry.h"
#include "design/further/check_builder.h"

namespace jw::further {
namespace {

// Shear yield of a gross section at 0.40 Fy; bending of a plate at 0.60 Fy.
constexpr double kShearYield = 0.40;
constexpr double kBendingYield = 0.60;

std::string Count(int n) {
    return std::to_string(n);
}

}  // namespace

void AddBeamWebShear(const DesignState& s, FurtherChecks& out) {
    const double capacity = kShearYield * s.FyMember * s.depthCm * s.webCm;
    out.checks.push_back(MakeCheck({"Beam web shear", "AISC-ASD89 F4", s.shearKg, capacity, "kg",
                                    "V / (0.40 Fy d tw)",
                                    Num(s.shearKg) + " / (0.40 x " + Num(s.FyMember) + " x " +
                                        Num(s.depthCm) + " x " + Num(s.webCm) + ")"}));
}

void AddGrossShear(const ShearContext& c, FurtherChecks& out) {
    const DesignState& s = c.s;
    const double capacity =
        kShearYield * s.FyCleat * s.cleats * s.cleatThicknessCm * c.plateLengthCm;
    const bool angles = c.type == ConnectionType::ACLT;
    out.checks.push_back(
        MakeCheck({angles ? "Gross shear of angle(s)" : "Gross shear of plate(s)", "AISC-ASD89 F4",
                   s.shearKg, capacity, "kg", "V / (0.40 Fy Ncl tc Lp)",
                   Num(s.shearKg) + " / (0.40 x " + Num(s.FyCleat) + " x " + Count(s.cleats) +
                       " x " + Num(s.cleatThicknessCm) + " x " + Num(c.plateLengthCm) + ")"}));
}

void AddPlateFlexure(const ShearContext& c, FurtherChecks& out) {
    const DesignState& s = c.s;
    // The plate is a cantilever from the weld: at the first bolt line, a + b from the support
    // face, each plate bends under its share of V about its own depth Lp.
    const double arm = s.setBackCm + s.edgeCm;
    const double moment = s.shearKg / s.cleats * arm;
    const double modulus = s.cleatThicknessCm * c.plateLengthCm * c.plateLengthCm / 6;
    out.checks.push_back(MakeCheck(
        {"Plate flexure", "Practice, 0.60 Fy", moment, kBendingYield * s.FyCleat * modulus, "kg-cm",
         "(V / Ncl) (a + b) / (0.60 Fy tc Lp^2 / 6)",
         "(" + Num(s.shearKg) + " / " + Count(s.cleats) + ") x " + Num(arm) + " / (0.60 x " +
             Num(s.FyCleat) + " x " + Num(s.cleatThicknessCm) + " x " + Num(c.plateLengthCm) +
             "^2 / 6)"}));
}

void AddWithinClearWeb(const ShearContext& c, FurtherChecks& out) {
    const DesignState& s = c.s;
    // Between the root fillets the web is flat: a plate or angle reaching into a fillet cannot
    // lie against the web, and one past the flanges cannot be fitted at all.
    const double clear = ClearWebDepthMm(s.depthCm * 10, s.flangeCm * 10, s.rootRadiusCm * 10) / 10;
    out.derived.push_back(
        {"dc", clear, "cm", "clear web depth between the root fillets, d - 2 tf - 2 r1"});
    const bool angles = c.type == ConnectionType::ACLT;
    out.checks.push_back(
        MakeCheck({angles ? "Angle within clear web" : "Plate within clear web", "Practice",
                   c.plateLengthCm, clear, "cm", "Lp <= d - 2 tf - 2 r1",
                   Num(c.plateLengthCm) + " <= " + Num(s.depthCm) + " - 2 x " + Num(s.flangeCm) +
                       " - 2 x " + Num(s.rootRadiusCm)}));
}

}  // namespace jw::further
