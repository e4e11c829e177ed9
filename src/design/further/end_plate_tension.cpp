// The bolts and the plate under the tension flange's force: the extended end-plate method of the
// AISC Manual (ASD, 9th edition, end-plate moment connections) where the layout is the one the
// method was built on, the manual's T-stub prying method (hanger connections) for any other.
#include <algorithm>

#include "design/checks.h"
#include "design/further/check_builder.h"
#include "design/further/end_plate.h"
#include "design/further/flange_force.h"
#include "design/further/prying.h"

namespace jw::further {
namespace {

constexpr std::string_view kBoltTension = "Bolt tension with prying";
constexpr std::string_view kPlateBending = "End plate bending";
constexpr std::string_view kBoltClause = "AISC-ASD89 Table J3.3";

// Distances typed in whole or tenth millimetres land on the limits up to rounding of the
// binary fractions; a millionth of a centimetre decides nothing an engineer could measure.
constexpr double kTolerance = 1e-6;

struct Method {
    bool extended = false;
    std::string why;
};

std::string RowName(const FlangeRow& row) {
    return row.beyond ? "bolt row beyond the flange" : "bolt row inside the flange";
}

// The extended end-plate method holds for the layout it was calibrated on: one bolt row each
// side of the tension flange (four bolts), each at a workable distance pf from the flange.
Method ChooseMethod(const DesignState& s, const EndPlateLayout& l) {
    const double least = ExtendedMethodLeastPfCm(s.BoltDia);
    const double most = ExtendedMethodMostPfCm(s.BoltDia);
    const std::string range = "db + 1.27 to db + 2.54 = " + Num(least) + " to " + Num(most) + " cm";
    if (l.rowsBeyond != 1)
        return {false, std::to_string(l.rowsBeyond) + " bolt rows beyond the tension flange"};
    if (l.tensionRows.size() != 2) return {false, "no bolt row inside the tension flange"};
    for (const FlangeRow& row : l.tensionRows)
        if (row.pCm < least - kTolerance || row.pCm > most + kTolerance)
            return {false,
                    "pf " + Num(row.pCm) + " cm of the " + RowName(row) + " outside " + range};
    return {true, "one bolt row each side of the tension flange (4 bolts), pf " +
                      Num(l.tensionRows[0].pCm) + " and " + Num(l.tensionRows[1].pCm) +
                      " cm within " + range};
}

bool A490Class(const std::string& grade) {
    return grade.rfind("A490", 0) == 0 || grade.rfind("F10", 0) == 0;
}

// B: the allowable tension of one bolt under the shear stress the classic rows show.
double BoltAllowableKg(const DesignState& s, const ReportValues& rv) {
    return rv.AllowableTensileStress * BoltArea(s);
}

std::string AllowableText(const DesignState& s, const ReportValues& rv) {
    return Num(rv.AllowableTensileStress) + " x " + Num(BoltArea(s));
}

void ExtendedMethod(const DesignState& s, const ReportValues& rv, const EndPlateLayout& l,
                    double flangeWeldCm, FurtherChecks& out) {
    const double ff = FlangeForceKg(s);
    const double pf = std::max(l.tensionRows[0].pCm, l.tensionRows[1].pCm);
    ExtendedEndPlate e;
    e.flangeForce = ff;
    e.pf = pf;
    e.boltDia = s.BoltDia;
    e.weldSize = flangeWeldCm;
    e.flangeArea = s.flangeWidthCm * s.flangeCm;
    e.webArea = (s.depthCm - 2 * s.flangeCm) * s.webCm;
    e.ca = EndPlateCa(A490Class(s.boltGrade));
    e.cb = 1;  // sqrt(bf / bs) with the plate as wide as the flange
    e.plateWidth = l.widthCm;
    e.fy = s.FyCleat;
    const EndPlateMoment m = AnalyseExtendedEndPlate(e, s.cleatThicknessCm);
    const std::string governs = "extended end-plate method";
    // The method sizes the plate so stiff that prying stays within the bolts' allowance.
    out.checks.push_back(MakeCheck({kBoltTension, kBoltClause, ff / 4, BoltAllowableKg(s, rv), "kg",
                                    "(Ff / 4) / (Ft Ab), prying covered by the plate thickness",
                                    "(" + Num(ff) + " / 4) / (" + AllowableText(s, rv) + ")"},
                                   governs));
    out.checks.push_back(
        MakeCheck({kPlateBending, "AISC-ASD89 Manual, end plates", m.moment, m.allowableMoment,
                   "kg-cm", "Me / (bs tp^2 0.75 Fy / 6), Me = alpha_m Ff pe / 4",
                   "(" + Num(m.alphaM) + " x " + Num(ff) + " x " + Num(m.pe) + " / 4) / (" +
                       Num(e.plateWidth) + " x " + Num(s.cleatThicknessCm) + "^2 x 0.75 x " +
                       Num(e.fy) + " / 6)"},
                  governs));
    out.derived.push_back({"pf", pf, "cm", "the larger distance of the two rows from the flange"});
    out.derived.push_back({"pe", m.pe, "cm", "effective span, pf - db / 4 - 0.707 w,f"});
    out.derived.push_back(
        {"Ca", e.ca, "", "of the end-plate method for " + s.boltGrade + " bolts and 36 ksi plate"});
    out.derived.push_back({"Cb", e.cb, "", "sqrt(bf / bs), the plate as wide as the flange"});
    if (e.webArea > 0)
        out.derived.push_back({"Af/Aw", e.flangeArea / e.webArea, "", "bf tf / ((d - 2 tf) tw)"});
    out.derived.push_back({"alpha_m", m.alphaM, "", "Ca Cb (Af / Aw)^(1/3) (pe / db)^(1/4)"});
    out.derived.push_back({"Me", m.moment, "kg-cm", "alpha_m Ff pe / 4"});
    out.derived.push_back(
        {"tp,req", m.requiredThickness, "cm", "sqrt(6 Me / (bs 0.75 Fy)), against tp given"});
}

void AddRowValues(const FlangeRow& row, const Prying& p, FurtherChecks& out) {
    const std::string of = row.beyond ? ",o" : ",i";
    const std::string where = row.beyond ? " (row beyond the flange)" : " (row inside the flange)";
    out.derived.push_back({"b'" + of, p.bPrime, "cm", "p - db / 2" + where});
    out.derived.push_back({"a'" + of, p.aPrime, "cm",
                           "min(a, 1.25 p) + db / 2, a to the plate's end, none inside" + where});
    out.derived.push_back({"rho" + of, p.rho, "", "b' / a'" + where});
    out.derived.push_back({"delta" + of, p.delta, "", "1 - d' / (bs / 2)" + where});
    out.derived.push_back({"tc" + of, p.tc, "cm", "sqrt(8 B b' / (p Fy))" + where});
    out.derived.push_back(
        {"alpha'" + of, p.alphaPrime, "", "((tc / t)^2 - 1) / (delta (1 + rho))" + where});
    out.derived.push_back({"alpha" + of, p.alpha, "",
                           "(T / (p t^2 Fy / (8 b')) - 1) / delta, at "
                           "most 1" +
                               where});
    out.derived.push_back({"Q" + of, p.prying, "kg",
                           "prying force, rho delta alpha p t^2 Fy / "
                           "(8 b')" +
                               where});
}

void TStubMethod(const DesignState& s, const ReportValues& rv, const EndPlateLayout& l,
                 FurtherChecks& out) {
    const double ff = FlangeForceKg(s);
    const double perBolt = ff / (2.0 * l.tensionRows.size());
    const double allowable = BoltAllowableKg(s, rv);
    std::vector<CheckRow> bolts;
    std::vector<CheckRow> plate;
    for (const FlangeRow& row : l.tensionRows) {
        TStub t;
        t.boltTension = perBolt;
        t.boltAllowable = allowable;
        t.b = row.pCm;
        // Beyond the flange the plate ends at a; inside, the plate runs on past the method's limit.
        t.a = row.beyond ? row.toPlateEndCm : 1.25 * row.pCm;
        t.tributary = l.widthCm / 2;
        t.hole = s.HoleCm();
        t.boltDia = s.BoltDia;
        t.thickness = s.cleatThicknessCm;
        t.fy = s.FyCleat;
        const Prying p = AnalysePrying(t);
        const std::string governs = RowName(row) + ", T-stub prying method";
        bolts.push_back(MakeCheck(
            {kBoltTension, kBoltClause, perBolt + p.prying, allowable, "kg",
             "(T + Q) / (Ft Ab), T = Ff / (2 n)",
             "(" + Num(perBolt) + " + " + Num(p.prying) + ") / (" + AllowableText(s, rv) + ")"},
            governs));
        plate.push_back(MakeCheck(
            {kPlateBending, "AISC-ASD89 Manual, prying", p.plateBends ? perBolt : 0, p.plateTension,
             "kg", "T / (p t^2 Fy (1 + delta) / (8 b'))",
             Num(perBolt) + " / (" + Num(t.tributary) + " x " + Num(t.thickness) + "^2 x " +
                 Num(t.fy) + " x (1 + " + Num(p.delta) + ") / (8 x " + Num(p.bPrime) + "))"},
            governs));
        AddRowValues(row, p, out);
    }
    out.derived.push_back({"B", allowable, "kg", "allowable tension of one bolt, Ft Ab"});
    out.checks.push_back(Governing(bolts));
    out.checks.push_back(Governing(plate));
}

}  // namespace

void AddEndPlateTensionChecks(const DesignState& s, const ReportValues& rv,
                              const EndPlateLayout& layout, double flangeWeldCm,
                              FurtherChecks& out) {
    if (layout.tensionRows.empty()) return;  // the classic checks stop such a plate first
    for (const FlangeRow& row : layout.tensionRows)
        out.derived.push_back({row.beyond ? "p,o" : "p,i", row.pCm, "cm",
                               "bolt centre to the flange face, " + RowName(row)});
    const Method method = ChooseMethod(s, layout);
    out.derived.push_back({"n,t", static_cast<double>(layout.tensionRows.size()), "rows",
                           "bolt rows carrying the tension flange's force; " + method.why +
                               (method.extended ? ": the extended end-plate method"
                                                : ": the T-stub prying method for each row")});
    if (method.extended)
        ExtendedMethod(s, rv, layout, flangeWeldCm, out);
    else
        TStubMethod(s, rv, layout, out);
}

}  // namespace jw::further
