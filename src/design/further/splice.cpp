#include "design/further/splice.h"

#include <algorithm>
#include <cmath>

#include "data/bolt_clearances.h"
#include "data/bolt_distances.h"
#include "design/checks.h"
#include "design/further/bolts.h"
#include "design/further/check_builder.h"
#include "design/further/flange_force.h"
#include "design/further/geometry.h"
#include "design/further/plates.h"
#include "design/further/shear_context.h"

namespace jw::further {
namespace {

constexpr double kBearingFactor = 1.2;
constexpr double kBendingYield = 0.60;

// Spacing of neighbouring flange bolts along the beam: C2 in straight lines; with staggered
// lines the diagonal to the next row, or 2 C2 along a line where that is closer.
double FlangePitchCm(const DesignState& s) {
    if (s.flangeRows < 2) return 0;
    if (s.c1Cm <= 0) return s.c2Cm;
    const double diagonal = std::hypot(s.c1Cm, s.c2Cm);
    return s.flangeRows >= 3 ? std::min(diagonal, 2 * s.c2Cm) : diagonal;
}

// The plies of the flange splice, each with the force on its most stressed bolt.
std::vector<Ply> FlangePlies(const DesignState& s, const SpliceFlange& f) {
    const double pitch = FlangePitchCm(s);
    std::vector<Ply> plies = {
        {"beam flange", f.forceKg / f.bolts, s.flangeCm, s.FuMember, s.flangeEdgeCm, pitch},
        {"outer flange plate", f.outerForceKg / f.bolts, s.flangeCleatThicknessCm, s.FuCleat,
         s.flangeEdgeCm, pitch}};
    if (s.flangeCleats >= 2)
        plies.push_back({"inner flange plates", f.innerForceKg / f.bolts, s.flangeCleatThicknessCm,
                         s.FuCleat, s.flangeEdgeCm, pitch});
    return plies;
}

void AddBoltDistances(const ShearContext& c, const SpliceFlange& f, FurtherChecks& out) {
    std::vector<Ply> plies = ShearPlies(c);
    const std::vector<Ply> flange = FlangePlies(c.s, f);
    plies.insert(plies.end(), flange.begin(), flange.end());
    AddEndDistance(plies, c.s.BoltDia, out);
    // Across the flange the two lines nearest the web stand C3 apart and carry no force towards
    // each other: only the least spacing of holes applies.
    plies.push_back(
        {"bolt lines across the flange (C3)", 0, c.s.flangeCm, c.s.FuMember, 0, c.s.c3Cm});
    AddBoltSpacing(plies, c.s.BoltDia, out);
}

void AddSlip(const ShearContext& c, const SpliceFlange& f, FurtherChecks& out) {
    FurtherChecks web;
    AddSlipResistance(c, web);
    if (web.checks.empty()) return;
    const DesignState& s = c.s;
    const double capacity = SlipCriticalAllowable(s.boltGrade) * BoltArea(s) * s.flangeCleats;
    const CheckRow flange =
        MakeCheck({"Slip resistance", "AISC-ASD89 Table J3.2", f.forceKg / f.bolts, capacity, "kg",
                   "(Ff / n) / (Fv,sc Ab Nfc)",
                   "(" + Num(f.forceKg) + " / " + std::to_string(f.bolts) + ") / (" +
                       Num(SlipCriticalAllowable(s.boltGrade)) + " x " + Num(BoltArea(s)) + " x " +
                       std::to_string(s.flangeCleats) + ")"},
                  "flange bolts");
    out.checks.push_back(Governing({web.checks.front(), flange}));
    out.derived.insert(out.derived.end(), web.derived.begin(), web.derived.end());
}

void AddFlangeBoltShear(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    // With inner plates each bolt has two shear planes, each carrying its plate's share.
    const double perPlane = std::max(f.outerForceKg, f.innerForceKg) / f.bolts;
    out.checks.push_back(MakeCheck({"Flange bolt shear", "AISC-ASD89 Table J3.2", perPlane,
                                    s.Fv * BoltArea(s), "kg", "max(Fo, Fi) / n / (Fv Ab)",
                                    "max(" + Num(f.outerForceKg) + ", " + Num(f.innerForceKg) +
                                        ") / " + std::to_string(f.bolts) + " / (" + Num(s.Fv) +
                                        " x " + Num(BoltArea(s)) + ")"}));
}

void AddFlangeBoltBearing(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    std::vector<CheckRow> rows;
    for (const Ply& p : FlangePlies(s, f)) {
        const double capacity = s.BoltDia * p.thicknessCm * kBearingFactor * p.fuKsc;
        rows.push_back(MakeCheck({"Flange bolt bearing", "AISC-ASD89 J3.7", p.boltForceKg, capacity,
                                  "kg", "P / (db t 1.2 Fu)",
                                  Num(p.boltForceKg) + " / (" + Num(s.BoltDia) + " x " +
                                      Num(p.thicknessCm) + " x 1.2 x " + Num(p.fuKsc) + ")"},
                                 p.name));
    }
    out.checks.push_back(Governing(rows));
}

void AddFlangeFit(const DesignState& s, const SpliceFlange& f, FurtherChecks& out) {
    out.checks.push_back(
        MakeCheck({"Flange plate within flange", "Practice", f.outerWidthCm, s.flangeWidthCm, "cm",
                   "Wf = 2 e + 2 C1 + C3 <= bf",
                   "2 x " + Num(s.flangeEdgeCm) + " + 2 x " + Num(s.c1Cm) + " + " + Num(s.c3Cm) +
                       " = " + Num(f.outerWidthCm) + " <= " + Num(s.flangeWidthCm)}));
    // The nut and washer beside the web (or the inner plate's edge distance) must stand clear
    // of the root fillet, where the flange is not flat.
    const int boltMm = static_cast<int>(std::lround(s.BoltDia * 10));
    const double washerHalfCm = WasherDiameterMm(boltMm) / 20.0;
    const double edgeCm = LeastEdgeDistance(boltMm).rolledOrGasCut / 10.0;
    const bool innerPlates = s.flangeCleats >= 2;
    const double clear = innerPlates ? std::max(washerHalfCm, edgeCm) : washerHalfCm;
    const double needed = s.webCm / 2 + s.rootRadiusCm + clear;
    out.checks.push_back(
        MakeCheck({"Flange bolts clear of root fillets", "Practice", needed, s.c3Cm / 2, "cm",
                   innerPlates ? "tw / 2 + r1 + max(Dw / 2, Le,min) <= C3 / 2"
                               : "tw / 2 + r1 + Dw / 2 <= C3 / 2",
                   Num(s.webCm) + " / 2 + " + Num(s.rootRadiusCm) + " + " + Num(clear) + " = " +
                       Num(needed) + " <= " + Num(s.c3Cm) + " / 2"}));
}

void AddWebPlateFlexure(const DesignState& s, const ReportValues& rv, FurtherChecks& out) {
    // Each half of the web plates carries V at the bolt group's eccentricity from the joint.
    const double lp = CleatLength(s);
    const double moment = s.shearKg * rv.Eccentricity;
    const double modulus = s.cleats * s.cleatThicknessCm * lp * lp / 6;
    out.checks.push_back(
        MakeCheck({"Web plate flexure", "Practice, 0.60 Fy", moment,
                   kBendingYield * s.FyCleat * modulus, "kg-cm", "V ex / (0.60 Fy Ncl tc Lp^2 / 6)",
                   Num(s.shearKg) + " x " + Num(rv.Eccentricity) + " / (0.60 x " + Num(s.FyCleat) +
                       " x " + std::to_string(s.cleats) + " x " + Num(s.cleatThicknessCm) + " x " +
                       Num(lp) + "^2 / 6)"}));
}

void AddDerived(const SpliceFlange& f, FurtherChecks& out) {
    out.derived.push_back(
        {"Fo", f.outerForceKg, "kg", "share of the outer plate, Ff Ao / (Ao + Ai), Ao = Wf tfc"});
    out.derived.push_back({"Fi", f.innerForceKg, "kg",
                           "share of the inner plates, Ff Ai / (Ao + Ai), Ai = (bf - tw - 2 r1) "
                           "tfc"});
    out.derived.push_back({"n", static_cast<double>(f.bolts), "bolts",
                           "flange bolts of one beam in one flange, 2 Nfr"});
}

}  // namespace

SpliceFlange AnalyseSpliceFlange(const DesignState& s) {
    SpliceFlange f;
    f.forceKg = FlangeForceKg(s);
    f.outerWidthCm = 2 * s.flangeEdgeCm + 2 * s.c1Cm + s.c3Cm;
    if (s.flangeCleats >= 2)
        f.innerWidthCm = std::max((s.flangeWidthCm - s.webCm - 2 * s.rootRadiusCm) / 2, 0.0);
    f.outerAreaCm2 = f.outerWidthCm * s.flangeCleatThicknessCm;
    f.innerAreaCm2 = 2 * f.innerWidthCm * s.flangeCleatThicknessCm;
    const double area = f.outerAreaCm2 + f.innerAreaCm2;
    f.outerForceKg = area > 0 ? f.forceKg * f.outerAreaCm2 / area : f.forceKg;
    f.innerForceKg = f.forceKg - f.outerForceKg;
    f.bolts = 2 * s.flangeRows;
    const bool staggered = s.c1Cm > 0;
    const double pitch = staggered ? 2 * s.c2Cm : s.c2Cm;
    f.outer = {staggered ? (s.flangeRows + 1) / 2 : s.flangeRows, pitch, s.c3Cm / 2 + s.c1Cm};
    f.inner = {staggered ? s.flangeRows / 2 : s.flangeRows, pitch, s.c3Cm / 2};
    return f;
}

void AddSpliceChecks(const DesignState& s, const ReportValues& rv, FurtherChecks& out) {
    const ShearContext c = MakeShearContext(ConnectionType::BSPL, s, rv);
    const SpliceFlange f = AnalyseSpliceFlange(s);
    out.derived.push_back(FlangeForceValue(s));
    AddDerived(f, out);
    AddSlipCriticalBearing(c, out);
    AddSlip(c, f, out);
    AddBoltDistances(c, f, out);
    AddEdgeDistance(c, out);
    AddFlangeBoltShear(s, f, out);
    AddFlangeBoltBearing(s, f, out);
    AddFlangeFit(s, f, out);
    AddSpliceFlangePlateChecks(s, f, out);
    AddBeamWebShear(s, out);
    AddGrossShear(c, out);
    AddWebPlateFlexure(s, rv, out);
    AddWithinClearWeb(c, out);
    AddBuildableGeometry(c, out);
    if (s.flangeRows < kLeastFlangeBoltRows)
        out.warnings.push_back(
            {"One row of flange bolts on each side of the joint: a single "
             "row lets the flange plate pivot about it; use at least two."});
}

}  // namespace jw::further
