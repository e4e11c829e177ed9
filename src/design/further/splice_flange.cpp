// The flange plates and the beam flange of a splice: tension on the gross and the net section,
// block shear, and the plates of the compression flange as columns across the joint.
#include <algorithm>
#include <cmath>

#include "data/units.h"
#include "design/checks.h"
#include "design/further/check_builder.h"
#include "design/further/splice.h"

namespace jw::further {
namespace {

// Tension: 0.60 Fy on the gross section, 0.50 Fu on the effective net section; block shear
// 0.30 Fu on the net shear planes and 0.50 Fu on the net tension plane.
constexpr double kTensionYield = 0.60;
constexpr double kTensionRupture = 0.50;
constexpr double kShearRupture = 0.30;
// Modulus of elasticity, 200 GPa (29,000 ksi).
constexpr double kElasticModulusKsc = 2040000;
// A plate held by bolt rows at both ends buckles like a column fixed at its ends.
constexpr double kEffectiveLength = 0.65;

// The net area across a plate or flange whose rows hold `holesInRow` holes: the straight row,
// and with staggered lines the zig-zag through two rows, which adds s^2 / (4 g) per diagonal.
double NetAreaCm2(const DesignState& s, double widthCm, double t, int holesInRow) {
    const double hole = s.HoleCm();
    const double straight = (widthCm - holesInRow * hole) * t;
    if (s.c1Cm <= 0) return std::max(straight, 0.0);
    const double diagonal = s.c2Cm * s.c2Cm / (4 * s.c1Cm);
    const double zigzag = (widthCm - 2 * holesInRow * hole + holesInRow * diagonal) * t;
    return std::max(std::min(straight, zigzag), 0.0);
}

// The net shear length along a bolt line from the end of the part to its last bolt.
double LineShearCm(const DesignState& s, const BoltLine& line) {
    if (line.bolts < 1) return 0;
    const double gross = s.flangeEdgeCm + (line.bolts - 1) * line.pitchCm;
    return std::max(gross - (line.bolts - 0.5) * s.HoleCm(), 0.0);
}

// Block shear (J4) of one block: its net shear length and net tension width, both in cm.
double BlockKg(double t, double fu, double shearCm, double tensionCm) {
    return (kShearRupture * fu * shearCm + kTensionRupture * fu * std::max(tensionCm, 0.0)) * t;
}

// The blocks of a part with a pair of outer lines `edge` from its sides: both outer strips torn
// out together, or the middle between the inner lines.
double PairBlocksKg(const DesignState& s, const SpliceFlange& f, double t, double fu,
                    double sideCm) {
    const double hole = s.HoleCm();
    const double sides = 2 * BlockKg(t, fu, LineShearCm(s, f.outer), sideCm - hole / 2);
    if (f.inner.bolts < 1) return sides;
    const double middle = BlockKg(t, fu, 2 * LineShearCm(s, f.inner), 2 * f.inner.offsetCm - hole);
    return std::min(sides, middle);
}

void AddPlateTension(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    const double gross = f.outerAreaCm2 + f.innerAreaCm2;
    out.checks.push_back(
        MakeCheck({"Flange plate gross tension", "AISC-ASD89 D1", f.forceKg,
                   kTensionYield * s.FyCleat * gross, "kg", "Ff / (0.60 Fy (Ao + Ai))",
                   Num(f.forceKg) + " / (0.60 x " + Num(s.FyCleat) + " x " + Num(gross) + ")"}));
    const double u = ShearLagFactor(s);
    const double t = s.flangeCleatThicknessCm;
    std::vector<CheckRow> rows;
    const auto net = [&](std::string_view force, double forceKg, double area, std::string part) {
        rows.push_back(MakeCheck(
            {"Flange plate net tension", "AISC-ASD89 D1", forceKg,
             kTensionRupture * s.FuCleat * u * area, "kg", std::string(force) + " / (0.50 Fu U An)",
             Num(forceKg) + " / (0.50 x " + Num(s.FuCleat) + " x " + Num(u) + " x " + Num(area) +
                 ")"},
            std::move(part)));
    };
    net("Fo", f.outerForceKg, NetAreaCm2(s, f.outerWidthCm, t, 2), "outer plate");
    if (s.flangeCleats >= 2)
        net("Fi", f.innerForceKg, 2 * NetAreaCm2(s, f.innerWidthCm, t, 1), "inner plates");
    out.checks.push_back(Governing(rows));
}

void AddBeamFlangeTension(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    const double gross = s.flangeWidthCm * s.flangeCm;
    const double net = NetAreaCm2(s, s.flangeWidthCm, s.flangeCm, 2);
    const double u = ShearLagFactor(s);
    out.checks.push_back(
        Governing({MakeCheck({"Beam flange tension", "AISC-ASD89 D1", f.forceKg,
                              kTensionYield * s.FyMember * gross, "kg", "Ff / (0.60 Fy bf tf)",
                              Num(f.forceKg) + " / (0.60 x " + Num(s.FyMember) + " x " +
                                  Num(s.flangeWidthCm) + " x " + Num(s.flangeCm) + ")"},
                             "gross section"),
                   MakeCheck({"Beam flange tension", "AISC-ASD89 D1", f.forceKg,
                              kTensionRupture * s.FuMember * u * net, "kg", "Ff / (0.50 Fu U An)",
                              Num(f.forceKg) + " / (0.50 x " + Num(s.FuMember) + " x " + Num(u) +
                                  " x " + Num(net) + ")"},
                             "net section at the bolts")}));
}

void AddBlockShear(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    const double t = s.flangeCleatThicknessCm;
    const double hole = s.HoleCm();
    std::vector<CheckRow> plates = {MakeCheck(
        {"Block shear of flange plates", "AISC-ASD89 J4", f.outerForceKg,
         PairBlocksKg(s, f, t, s.FuCleat, s.flangeEdgeCm), "kg", "Fo / (0.30 Fu Anv + 0.50 Fu Ant)",
         Num(f.outerForceKg) + " against both side strips or the middle of the outer plate"},
        "outer plate")};
    if (s.flangeCleats >= 2) {
        // Each inner plate tears out towards the flange tip or towards the root fillet.
        const double toTip = s.flangeWidthCm / 2 - f.outer.offsetCm - hole / 2;
        double capacity = BlockKg(t, s.FuCleat, LineShearCm(s, f.outer), toTip);
        if (f.inner.bolts >= 1)
            capacity = std::min(
                capacity, BlockKg(t, s.FuCleat, LineShearCm(s, f.inner),
                                  f.inner.offsetCm - s.webCm / 2 - s.rootRadiusCm - hole / 2));
        plates.push_back(MakeCheck({"Block shear of flange plates", "AISC-ASD89 J4", f.innerForceKg,
                                    2 * capacity, "kg", "Fi / (2 (0.30 Fu Anv + 0.50 Fu Ant))",
                                    Num(f.innerForceKg) + " against 2 x " + Num(capacity)},
                                   "inner plates"));
    }
    out.checks.push_back(Governing(plates));
    const double flange =
        PairBlocksKg(s, f, s.flangeCm, s.FuMember, s.flangeWidthCm / 2 - f.outer.offsetCm);
    out.checks.push_back(
        MakeCheck({"Block shear of beam flange", "AISC-ASD89 J4", f.forceKg, flange, "kg",
                   "Ff / (0.30 Fu Anv + 0.50 Fu Ant)",
                   Num(f.forceKg) + " / " + Num(flange) + " (both tip strips or the middle)"}));
}

// Allowable compressive stress of E2 at a slenderness kl/r.
double AllowableCompressionKsc(double slenderness, double fy) {
    const double cc = std::sqrt(2 * kPi * kPi * kElasticModulusKsc / fy);
    if (slenderness > cc)
        return 12 * kPi * kPi * kElasticModulusKsc / (23 * slenderness * slenderness);
    const double ratio = slenderness / cc;
    const double safety = 5.0 / 3 + 3 * ratio / 8 - ratio * ratio * ratio / 8;
    return (1 - ratio * ratio / 2) * fy / safety;
}

void AddPlatesAsColumns(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    // Across the joint the plates of the compression flange stand free between the bolt rows
    // nearest it, 2 (a + e) apart, and between neighbouring rows, C2 apart.
    const double length = std::max(s.c2Cm, 2 * (s.setBackCm + s.flangeEdgeCm));
    const double radius = s.flangeCleatThicknessCm / std::sqrt(12.0);
    const double slenderness = kEffectiveLength * length / radius;
    const double fa = AllowableCompressionKsc(slenderness, s.FyCleat);
    const double area = f.outerAreaCm2 + f.innerAreaCm2;
    out.derived.push_back({"L", length, "cm",
                           "unbraced length of the compression flange's "
                           "plates, max(C2, 2 (a + e))"});
    out.derived.push_back({"KL/r", slenderness, "", "0.65 L / (tfc / sqrt(12))"});
    out.derived.push_back({"Fa", fa, "ksc", "allowable compressive stress, E2, E = 2040000 ksc"});
    out.checks.push_back(MakeCheck({"Flange plates as columns", "AISC-ASD89 E2", f.forceKg,
                                    fa * area, "kg", "Ff / (Fa (Ao + Ai))",
                                    Num(f.forceKg) + " / (" + Num(fa) + " x " + Num(area) + ")"}));
}

}  // namespace

void AddSpliceFlangePlateChecks(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    AddPlateTension(s, f, out);
    AddBeamFlangeTension(s, f, out);
    AddBlockShear(s, f, out);
    AddPlatesAsColumns(s, f, out);
}

}  // namespace jw::further
