// The derived geometry and intermediate values of a detailed calculation: each one as the design
// run recorded it, with the rule that gives it.
#include "data/numbers.h"
#include "design/checks.h"
#include "results/calculation_model.h"

namespace jw {
namespace {

std::string N(double value) {
    return FormatTrimmed(value, 4);
}

CalcBlock Bolts(ConnectionType type, const DesignResult& r) {
    const DesignState& s = r.state;
    CalcBlock block{"Bolts and holes", {}};
    block.values.push_back({"Hole", N(s.HoleCm()), "cm", "hole diameter",
                            "db + " + N(s.holeClearanceCm) + " cm clearance"});
    const double area = type == ConnectionType::BMEP ? s.boltAreaCm2 : r.values.BoltArea;
    block.values.push_back({"Ab", N(area), "cm2", "bolt area", "pi db^2 / 4, pi = 3.141592654"});
    return block;
}

CalcBlock WebBoltGroup(const DesignResult& r) {
    const ReportValues& rv = r.values;
    CalcBlock block{"Web bolt group (elastic method, load at the support face)", {}};
    auto& v = block.values;
    v.push_back({"nw", N(rv.BoltCount), "", "web bolts", "Nr Nc"});
    v.push_back({"ex", N(rv.Eccentricity), "cm", "eccentricity", "a + b + 0.5 (Nc - 1) c"});
    v.push_back({"Mg", N(rv.GroupMoment), "kg-cm", "moment on the group", "V ex"});
    v.push_back({"J", N(rv.BoltGroupPolar), "cm2", "polar moment of the bolt positions",
                 "sum (x - x0)^2 + sum (y - y0)^2"});
    v.push_back({"xmax", N(rv.BoltOffsetX), "cm", "farthest bolt from the centroid, across", ""});
    v.push_back({"ymax", N(rv.BoltOffsetY), "cm", "farthest bolt from the centroid, up", ""});
    v.push_back({"Rv", N(rv.BoltForceVertical), "kg", "vertical force on that bolt",
                 "V / nw + Mg xmax / J"});
    v.push_back(
        {"Rh", N(rv.BoltForceHorizontal), "kg", "horizontal force on that bolt", "Mg ymax / J"});
    v.push_back(
        {"R", N(rv.BoltForce), "kg", "resultant on the most stressed bolt", "sqrt(Rv^2 + Rh^2)"});
    return block;
}

CalcBlock WebGeometry(ConnectionType type, const DesignResult& r) {
    const DesignState& s = r.state;
    const ReportValues& rv = r.values;
    CalcBlock block{"Plates, edges and tearing lengths", {}};
    auto& v = block.values;
    v.push_back({"Lp", N(CleatLength(s)), "cm", "plate or angle length", "(Nr - 1) c + 2 b"});
    v.push_back({"yp", N(CleatTopDistance(s)), "cm", "top of the plate below the beam's top",
                 "(d - Lp) / 2, centred on the depth"});
    v.push_back({"Lv", N(rv.WebShearLength), "cm", "shear length of the web block",
                 "yp - tf + b + (Nr - 1) c - (Nr - 0.5) Hole"});
    v.push_back(
        {"Ln", N(rv.WebTensionLength), "cm", "tension length of the web block", "b - Hole / 2"});
    v.push_back(
        {"Lnv", N(rv.CleatNetLength), "cm", "net length along the bolt line", "Lp - Nr Hole"});
    v.push_back({"", r.summary.At(1, 1), "", r.summary.At(1, 0), "as ordered, mm"});
    if (type == ConnectionType::ACLT)
        v.push_back({"Nsc", N(s.supportCleats), "", "angles in the support-leg tearing", "= Ncl"});
    return block;
}

CalcBlock EndPlate(const DesignResult& r) {
    const DesignState& s = r.state;
    const ReportValues& rv = r.values;
    const BoltGroup group = AnalyseBoltGroup(s);
    CalcBlock block{"End plate bolts (two lines of Nr rows)", {}};
    auto& v = block.values;
    v.push_back({"Ncl", N(s.cleats), "", "plates", "one end plate"});
    v.push_back({"Nsup", N(s.supportBolts), "", "bolts", "2 Nr"});
    v.push_back({"Sy2", N(group.sumSquaresY), "cm2", "sum of (y - y0)^2 over the bolts", ""});
    v.push_back({"ymax", N(group.maxOffsetY), "cm", "farthest bolt row from the centroid", ""});
    v.push_back({"Sz", N(rv.BoltGroupModulus), "cm3", "section modulus of the bolt group",
                 "Ab Sy2 / ymax"});
    v.push_back(
        {"fv", N(rv.ActualShearStress), "ksc", "bolt shear stress as shown", "V / (Nsup Ab)"});
    v.push_back({"ft", N(LeadingNumber(r.table.At(4, 2))), "ksc", "bolt tensile stress as shown",
                 "M / Sz"});
    v.push_back({"Ft", N(rv.AllowableTensileStress), "ksc", "allowable bolt tension as shown",
                 "min(Ft0, sqrt(Ft0^2 - k fv^2))"});
    v.push_back({"Lnv", N(rv.SupportNetLength), "cm", "net length along a bolt line",
                 "(Nr - 1) c + 2 b - Nr Hole"});
    v.push_back({"", r.summary.At(1, 1), "", r.summary.At(1, 0), "as ordered, mm"});
    return block;
}

void AddAreas(std::vector<CalcValue>& v, const char* part, const char* suffix,
              const TensionAreas& a, bool staggered) {
    const std::string p = part;
    const std::string s = suffix;
    if (staggered) {
        v.push_back({"An1" + s, N(a.netStraight), "cm2", p + ": net area, straight path",
                     "two holes across"});
        v.push_back({"An2" + s, N(a.netZigzag), "cm2", p + ": net area, staggered path",
                     "four holes, + C2^2 / (4 C1) for each diagonal"});
    }
    v.push_back({"An" + s, N(a.net), "cm2", p + ": net area", staggered ? "min(An1, An2)" : ""});
    v.push_back({"Ae" + s, N(a.effective), "cm2", p + ": effective net area", "U An"});
    v.push_back({"Ag" + s, N(a.gross), "cm2", p + ": gross area", ""});
}

CalcBlock FlangeSplice(const DesignResult& r) {
    const DesignState& s = r.state;
    const ReportValues& rv = r.values;
    CalcBlock block{"Flange splice", {}};
    auto& v = block.values;
    v.push_back({"H", N(rv.FlangeForce), "kg", "flange force of the classic rows", "M / d"});
    v.push_back(
        {"Pf", N(rv.FlangeBoltForceValue), "kg", "force on one flange bolt", "H / (2 Nfr)"});
    v.push_back({"U", N(rv.ShearLag), "", "shear lag factor",
                 "0.75 below three bolt rows, else 0.85 when 2/3 d > bf, else 0.90"});
    const bool staggered = s.c1Cm > 0;
    AddAreas(v, "beam flange", ",f", rv.BeamFlangeAreas, staggered);
    AddAreas(v, "flange cleats", ",fc", rv.FlangeCleatAreas, staggered);
    v.push_back({"", r.summary.At(1, 1), "", r.summary.At(1, 0), "as ordered, mm"});
    return block;
}

CalcBlock FurtherDerived(const FurtherChecks& further) {
    CalcBlock block{"Values derived for the further checks", {}};
    for (const DerivedValue& d : further.derived)
        block.values.push_back({d.symbol, N(d.value), d.unit, "", d.rule});
    return block;
}

}  // namespace

std::vector<CalcBlock> DerivedBlocks(ConnectionType type, const DesignResult& r) {
    std::vector<CalcBlock> blocks = {Bolts(type, r)};
    if (type == ConnectionType::BMEP) {
        blocks.push_back(EndPlate(r));
    } else {
        blocks.push_back(WebBoltGroup(r));
        blocks.push_back(WebGeometry(type, r));
    }
    if (type == ConnectionType::BSPL) blocks.push_back(FlangeSplice(r));
    if (!r.further.derived.empty()) blocks.push_back(FurtherDerived(r.further));
    return blocks;
}

}  // namespace jw
