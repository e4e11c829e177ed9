#include "design/further/bolts.h"

#include <algorithm>

#include "data/bolt_distances.h"
#include "design/checks.h"
#include "design/further/check_builder.h"

namespace jw::further {
namespace {

constexpr std::string_view kBearingClause = "AISC-ASD89 J3.7";
// Two distances closer than this (cm) are the same distance.
constexpr double kSameDistanceCm = 1e-4;
constexpr std::string_view kSlipClause = "AISC-ASD89 Table J3.2";
// Bearing at 1.2 Fu holds where the hole cannot elongate beyond what serviceability allows.
constexpr double kBearingFactor = 1.2;

std::string X(double a, double b) {
    return Num(a) + " x " + Num(b);
}

CheckRow BearingRow(std::string_view name, double forceKg, double boltDiaCm, double tCm,
                    double fuKsc, int plies, std::string_view symbols) {
    const double capacity = boltDiaCm * tCm * kBearingFactor * fuKsc * plies;
    return MakeCheck({name, kBearingClause, forceKg, capacity, "kg", std::string(symbols),
                      Num(forceKg) + " / (" + X(boltDiaCm, tCm) + " x 1.2 x " + Num(fuKsc) + " x " +
                          std::to_string(plies) + ")"});
}

// J3.9: in the line of force the end distance is at least 1.5 d, or else at least 2P/(Fu t),
// the length over which the steel in front of the bolt tears out under P.
double RequiredEndDistanceCm(const Ply& p, double d) {
    return std::min(1.5 * d, 2 * p.boltForceKg / (p.fuKsc * p.thicknessCm));
}

// J3.8: holes at least 2 2/3 d apart; under 3 d the steel between two holes must also carry P,
// which needs 2P/(Fu t) + d/2.
double RequiredSpacingCm(const Ply& p, double d) {
    return std::max(8.0 / 3.0 * d,
                    std::min(3 * d, 2 * p.boltForceKg / (p.fuKsc * p.thicknessCm) + d / 2));
}

struct Edge {
    std::string where;
    double distanceCm;
    bool rolled;          // a rolled edge (an angle toe) is as sound as a gas-cut one
    bool byRule = false;  // placed by the program's own rule, not by an input
};

// The bolt lines of a splice flange stand C3 / 2 and C3 / 2 + C1 from the web's centre line.
std::vector<Edge> SpliceFlangeEdges(const DesignState& s) {
    const double outerLine = s.c3Cm / 2 + s.c1Cm;
    const double toTip = s.flangeWidthCm / 2 - outerLine;
    std::vector<Edge> edges = {{"flange plate sides and ends, beam end (e)", s.flangeEdgeCm, false},
                               {"beam flange tips", toTip, true}};
    if (s.flangeCleats >= 2) {
        edges.push_back({"inner plates, towards the flange tips", toTip, false});
        edges.push_back({"inner plates, towards the root fillets",
                         s.c3Cm / 2 - s.webCm / 2 - s.rootRadiusCm, false});
    }
    return edges;
}

std::vector<Edge> CutEdges(const ShearContext& c) {
    const DesignState& s = c.s;
    if (c.type == ConnectionType::BMEP)
        return {{"ends of the end plate (b)", s.edgeCm, false},
                {"sides of the end plate (gauge rule)",
                 (s.flangeWidthCm * 10 - EndPlateGaugeMm(s.flangeWidthCm * 10, c.boltMm)) / 20,
                 false, true}};
    std::vector<Edge> edges = {{"beam end and cleat edges (b)", s.edgeCm, false}};
    if (c.type == ConnectionType::BSPL) {
        const std::vector<Edge> flange = SpliceFlangeEdges(s);
        edges.insert(edges.end(), flange.begin(), flange.end());
    }
    if (c.type == ConnectionType::ACLT) {
        const double webToe =
            s.angleLegCm - s.setBackCm - s.edgeCm - (s.boltColumns - 1) * s.pitchCm;
        edges.push_back({"toe of the web leg", webToe, true});
        edges.push_back({"toe of the support leg (bolts at mid-leg)", s.angleLegCm / 2, true});
        edges.push_back({"ends of the support leg",
                         (c.plateLengthCm - (s.supportBolts - 1) * s.pitchCm) / 2, false});
    }
    return edges;
}

}  // namespace

double SlipCriticalAllowable(const std::string& boltGrade) {
    // Table J3.2, standard holes, class A surfaces: 17 ksi for A325, 21 ksi for A490 bolts,
    // at 69 ksc to the ksi rounded to 10 ksc. The metric 8.8 and 10.9 bolts match them.
    if (boltGrade == "A325-S" || boltGrade == "F8.8-S") return 1170;
    if (boltGrade == "A490-S" || boltGrade == "F10-S") return 1450;
    return 0;
}

std::vector<Ply> ShearPlies(const ShearContext& c) {
    const DesignState& s = c.s;
    const double perCleat = c.boltForceKg / s.cleats;
    const bool plate = c.type != ConnectionType::ACLT;
    std::vector<Ply> plies = {{"beam web", c.boltForceKg, s.webCm, s.FuMember, s.edgeCm, s.pitchCm},
                              {plate ? "plate(s)" : "web leg of the angle(s)", perCleat,
                               s.cleatThicknessCm, s.FuCleat, s.edgeCm, s.pitchCm}};
    if (c.type == ConnectionType::ACLT)
        plies.push_back({"support leg of the angle(s)", c.supportBoltForceKg, s.cleatThicknessCm,
                         s.FuCleat, (c.plateLengthCm - (s.supportBolts - 1) * s.pitchCm) / 2,
                         s.supportBolts > 1 ? s.pitchCm : 0});
    return plies;
}

void AddSlipCriticalBearing(const ShearContext& c, FurtherChecks& out) {
    const DesignState& s = c.s;
    if (!s.SlipCritical) return;
    // A slip-critical joint that slips bears like any other: the bearing limit still holds.
    out.checks.push_back(BearingRow("Bearing at Beam Web (slip-critical)", c.boltForceKg, s.BoltDia,
                                    s.webCm, s.FuMember, 1, "R / (db tw 1.2 Fu)"));
    out.checks.push_back(BearingRow("Bearing at Web Cleat(s) (slip-critical)", c.boltForceKg,
                                    s.BoltDia, s.cleatThicknessCm, s.FuCleat, s.cleats,
                                    "R / (db tc 1.2 Fu Ncl)"));
    if (c.type == ConnectionType::ACLT)
        out.checks.push_back(BearingRow("Bearing at Support Cleat (slip-critical)",
                                        s.shearKg / (double(s.cleats) * s.supportBolts), s.BoltDia,
                                        s.cleatThicknessCm, s.FuCleat, 1,
                                        "V / (Ncl Nsup) / (db tc 1.2 Fu)"));
}

void AddSlipResistance(const ShearContext& c, FurtherChecks& out) {
    const DesignState& s = c.s;
    if (!s.SlipCritical) return;
    const double fvSc = SlipCriticalAllowable(s.boltGrade);
    const double area = BoltArea(s);
    out.derived.push_back({"Fv,sc", fvSc, "ksc",
                           "slip-critical shear allowable of " + s.boltGrade +
                               ", Table J3.2 (standard holes, class A surfaces)"});
    std::vector<CheckRow> groups = {MakeCheck(
        {
            "Slip resistance",
            kSlipClause,
            c.boltForceKg,
            fvSc * area * s.cleats,
            "kg",
            "R / (Fv,sc Ab Ncl)",
            Num(c.boltForceKg) + " / (" + X(fvSc, area) + " x " + std::to_string(s.cleats) + ")",
        },
        "web bolts")};
    if (c.type == ConnectionType::ACLT)
        groups.push_back(MakeCheck(
            {
                "Slip resistance",
                kSlipClause,
                c.supportBoltForceKg,
                fvSc * area,
                "kg",
                "Psup / (Fv,sc Ab)",
                Num(c.supportBoltForceKg) + " / (" + X(fvSc, area) + ")",
            },
            "support bolts"));
    out.checks.push_back(Governing(groups));
}

void AddEndDistance(const std::vector<Ply>& plies, double d, FurtherChecks& out) {
    std::vector<CheckRow> rows;
    for (const Ply& p : plies) {
        const double required = RequiredEndDistanceCm(p, d);
        rows.push_back(MakeCheck(
            {
                "End distance",
                "AISC-ASD89 J3.9",
                required,
                p.endDistanceCm,
                "cm",
                "min(1.5 d, 2 P / (Fu t)) <= Le",
                "min(1.5 x " + Num(d) + ", 2 x " + Num(p.boltForceKg) + " / (" +
                    X(p.fuKsc, p.thicknessCm) + ")) = " + Num(required) +
                    " <= " + Num(p.endDistanceCm),
            },
            p.name));
    }
    out.checks.push_back(Governing(rows));
}

void AddBoltSpacing(const std::vector<Ply>& plies, double d, FurtherChecks& out) {
    std::vector<CheckRow> rows;
    for (const Ply& p : plies) {
        if (p.pitchCm <= 0) continue;  // a single bolt in the line of force has no spacing
        const double required = RequiredSpacingCm(p, d);
        rows.push_back(MakeCheck(
            {
                "Bolt spacing",
                "AISC-ASD89 J3.8",
                required,
                p.pitchCm,
                "cm",
                "max(2 2/3 d, min(3 d, 2 P / (Fu t) + d / 2)) <= c",
                "max(2.6667 x " + Num(d) + ", min(3 x " + Num(d) + ", 2 x " + Num(p.boltForceKg) +
                    " / (" + X(p.fuKsc, p.thicknessCm) + ") + " + Num(d) +
                    " / 2)) = " + Num(required) + " <= " + Num(p.pitchCm),
            },
            p.name));
    }
    if (!rows.empty()) out.checks.push_back(Governing(rows));
}

void AddEdgeDistance(const ShearContext& c, FurtherChecks& out) {
    const EdgeDistanceMm least = LeastEdgeDistance(c.boltMm);
    const double gasCutCm = least.rolledOrGasCut / 10.0;
    const double shearedCm = least.sheared / 10.0;
    out.derived.push_back({"Le,min", gasCutCm, "cm",
                           "least edge distance of M" + std::to_string(c.boltMm) +
                               " at a rolled or gas-cut edge, Table J3.5 (" + Num(shearedCm) +
                               " cm at a sheared edge)"});
    std::vector<CheckRow> rows;
    const Edge* needsGasCut = nullptr;  // the shortest cut edge between the two values
    bool inputNeedsGasCut = false;      // an edge an input sets is among them
    const std::vector<Edge> edges = CutEdges(c);
    for (const Edge& e : edges) {
        rows.push_back(MakeCheck({"Edge distance", "AISC-ASD89 Table J3.5", gasCutCm, e.distanceCm,
                                  "cm", "Le,min <= e", Num(gasCutCm) + " <= " + Num(e.distanceCm)},
                                 e.where));
        // Distances worked out from whole millimetres land on the table's values only up to
        // the rounding of binary fractions: a micrometre decides nothing.
        if (e.rolled || e.distanceCm < gasCutCm || e.distanceCm >= shearedCm - kSameDistanceCm)
            continue;
        inputNeedsGasCut |= !e.byRule;
        if (!needsGasCut || e.distanceCm < needsGasCut->distanceCm) needsGasCut = &e;
    }
    out.checks.push_back(Governing(rows));
    if (needsGasCut)
        out.warnings.push_back(
            {"Edge distance " + Num(needsGasCut->distanceCm * 10) + " mm is less than " +
                 std::to_string(least.sheared) +
                 " mm for a sheared edge: the drawing must call for gas-cut or planed edges.",
             inputNeedsGasCut ? WarningAbout::Detailing : WarningAbout::DerivedDetail});
}

void AddSupportBolts(const ShearContext& c, FurtherChecks& out) {
    const DesignState& s = c.s;
    if (s.cleats == 1) {
        out.derived.push_back({"g", c.supportLeverArmCm, "cm",
                               "lever arm of the support bolts of a single angle, tw / 2 + A / 2 "
                               "(bolts at mid-leg)"});
        const LineGroupForce line =
            BoltLineResultant(s.shearKg, c.supportLeverArmCm, s.supportBolts, s.pitchCm);
        const double capacity = s.Fv * BoltArea(s);
        if (line.resists)
            out.checks.push_back(MakeCheck(
                {"Support bolts, single angle", "AISC-ASD89 J3.4, elastic method", line.resultantKg,
                 capacity, "kg", "sqrt((V / n)^2 + (V g ymax / J)^2) / (Fv Ab)",
                 "sqrt((" + Num(s.shearKg) + " / " + std::to_string(s.supportBolts) + ")^2 + (" +
                     Num(s.shearKg) + " x " + Num(c.supportLeverArmCm) + " x " +
                     Num((s.supportBolts - 1) * s.pitchCm / 2) + " / " + Num(line.polarCm2) +
                     ")^2) / (" + X(s.Fv, BoltArea(s)) + ")"}));
        else
            // One bolt on the line has no lever arm: the moment V g finds nothing to resist it.
            out.checks.push_back(MakeCheck(
                {"Support bolts, single angle", "AISC-ASD89 J3.4, elastic method",
                 s.shearKg * c.supportLeverArmCm, 0, "kg-cm", "V g against a single bolt line",
                 Num(s.shearKg) + " x " + Num(c.supportLeverArmCm) + " against no lever arm"}));
    }
    const std::string least = std::to_string(kLeastSupportBoltsPerAngle);
    out.checks.push_back(
        MakeCheck({"Support bolts per angle", "Practice", double(kLeastSupportBoltsPerAngle),
                   double(s.supportBolts), "bolts", least + " <= Nsup",
                   least + " <= " + std::to_string(s.supportBolts)}));
}

}  // namespace jw::further
