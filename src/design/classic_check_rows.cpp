#include "design/classic_check_rows.h"

#include "data/numbers.h"
#include "design/checks.h"

namespace jw {
namespace {

// What a classic row set against what, with its formula. Demand and capacity are both 0 where
// the row computes nothing (the bearing rows of slip-critical bolts).
struct Figures {
    double demand = 0;
    double capacity = 0;
    std::string unit;
    std::string formula;
    std::string substituted;
};

using Describe = Figures (*)(const DesignState&, const ReportValues&, const TextGrid&);

// A number as a formula shows it: at most four decimals, trailing zeros dropped.
std::string N(double value) {
    return FormatTrimmed(value, 4);
}
std::string Count(int value) {
    return std::to_string(value);
}

constexpr const char* kSlipCritical =
    "0 for slip-critical bolts, which carry the load by friction (their bearing is checked "
    "with the further checks)";

Figures SlipCriticalBearing() {
    return {0, 0, "kg", kSlipCritical, "slip-critical bolt grade"};
}

// A bearing row: the force on one bolt over db t 1.2 Fu. A row shared by Ncl cleats divides
// the rounded ratio of one cleat by their number.
Figures Bearing(const DemandCapacity& f, const char* formula, double db, double t, double fu,
                int sharedBy = 0) {
    const std::string values =
        N(f.demand) + " / (" + N(db) + " x " + N(t) + " x 1.2 x " + N(fu) + ")";
    return {f.demand, f.capacity, "kg", formula,
            sharedBy > 0 ? "[" + values + "] / " + Count(sharedBy) : values};
}

Figures WebBoltShear(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {rv.BoltShear.demand, rv.BoltShear.capacity, "kg", "R / (Fv Ab Ncl)",
            N(rv.BoltForce) + " / (" + N(s.Fv) + " x " + N(rv.BoltArea) + " x " + Count(s.cleats) +
                ")"};
}

Figures WebBearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    if (s.SlipCritical) return SlipCriticalBearing();
    return Bearing(rv.WebBearing, "R / (db tw 1.2 Fu)", s.BoltDia, s.webCm, s.FuMember);
}

Figures CleatBearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    if (s.SlipCritical) return SlipCriticalBearing();
    return Bearing(rv.CleatBearing,
                   "[R / (db tc 1.2 Fu)] / Ncl, the bracket rounded to two decimals; the "
                   "capacity is that of one cleat",
                   s.BoltDia, s.cleatThicknessCm, s.FuCleat, s.cleats);
}

Figures WebTearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {s.shearKg, rv.WebTearingCapacity, "kg", "V / ((0.3 Fu Lv + 0.5 Fu Ln) tw)",
            N(s.shearKg) + " / ((0.3 x " + N(s.FuMember) + " x " + N(rv.WebShearLength) +
                " + 0.5 x " + N(s.FuMember) + " x " + N(rv.WebTensionLength) + ") x " + N(s.webCm) +
                ")"};
}

Figures CleatTearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {s.shearKg, rv.CleatTearingCapacity, "kg", "V / (Ncl Lnv 0.3 Fu tc)",
            N(s.shearKg) + " / (" + Count(s.cleats) + " x " + N(rv.CleatNetLength) + " x 0.3 x " +
                N(s.FuCleat) + " x " + N(s.cleatThicknessCm) + ")"};
}

Figures Weld(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {rv.WeldDesignForce, rv.WeldCapacity, "kg", "V / (Lp 0.707 w Nside Fw Ncl)",
            N(rv.WeldDesignForce) + " / (" + N(CleatLength(s)) + " x 0.707 x " +
                N(static_cast<double>(s.weldSizeCm)) + " x " + N(s.weldSides) + " x " +
                N(s.FwWeld) + " x " + Count(s.cleats) + ")"};
}

Figures SupportBoltShear(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {rv.SupportBoltForce, rv.SupportBoltCapacity, "kg", "(V / Nsup / Ncl) / (Fv Ab)",
            "(" + N(s.shearKg) + " / " + Count(s.supportBolts) + " / " + Count(s.cleats) + ") / (" +
                N(s.Fv) + " x " + N(BoltArea(s)) + ")"};
}

Figures SupportBearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    if (s.SlipCritical) return SlipCriticalBearing();
    const DemandCapacity& f = rv.SupportBearing;
    return {f.demand, f.capacity, "kg", "(V / (Ncl Nsup)) / (db tc 1.2 Fu)",
            "(" + N(s.shearKg) + " / (" + Count(s.cleats) + " x " + Count(s.supportBolts) +
                ")) / (" + N(s.BoltDia) + " x " + N(s.cleatThicknessCm) + " x 1.2 x " +
                N(s.FuCleat) + ")"};
}

Figures SupportTearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {s.shearKg, rv.SupportTearingCapacity, "kg", "V / (Nsc Lnv 0.3 Fu tc)",
            N(s.shearKg) + " / (" + Count(s.supportCleats) + " x " + N(rv.SupportNetLength) +
                " x 0.3 x " + N(s.FuCleat) + " x " + N(s.cleatThicknessCm) + ")"};
}

// The end plate rows read the stresses as the table shows them: each ratio is computed from the
// rounded value of the row it depends on.
constexpr int kEndPlateTensileStressRow = 4;

Figures EndPlateShearStress(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {rv.ActualShearStress, s.Fv, "ksc", "fv / Fv, with fv = V / (Nsup Ab) as shown",
            N(rv.ActualShearStress) + " / " + N(s.Fv)};
}

Figures EndPlateTensileStress(const DesignState& s, const ReportValues& rv, const TextGrid& table) {
    const double ft = LeadingNumber(table.At(kEndPlateTensileStressRow, 2));
    if (!StrictNumber(rv.TensileStressRatio))
        return {ft, 0, "ksc", "ft / Ft, with Ft = min(Ft0, sqrt(Ft0^2 - k fv^2))",
                "fv = " + N(rv.ActualShearStress) + " ksc leaves no tension allowable for " +
                    s.boltGrade + " bolts (Ft0^2 - k fv^2 < 0)"};
    return {ft, rv.AllowableTensileStress, "ksc",
            "ft / Ft, with ft = M / Sz and Ft = min(Ft0, sqrt(Ft0^2 - k fv^2)) as shown",
            N(ft) + " / " + N(rv.AllowableTensileStress)};
}

Figures FlangeBoltShear(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return {rv.FlangeBoltShear.demand, rv.FlangeBoltShear.capacity, "kg",
            "(H / (2 Nfr)) / (Fv Ab Nfc), with H = M / d",
            "(" + N(rv.FlangeForce) + " / (2 x " + Count(s.flangeRows) + ")) / (" + N(s.Fv) +
                " x " + N(BoltArea(s)) + " x " + Count(s.flangeCleats) + ")"};
}

Figures BeamFlangeBearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    if (s.SlipCritical) return SlipCriticalBearing();
    return Bearing(rv.FlangeBearing, "Pf / (db tf 1.2 Fu), with Pf = H / (2 Nfr)", s.BoltDia,
                   s.flangeCm, s.FuMember);
}

Figures FlangeCleatBearing(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    if (s.SlipCritical) return SlipCriticalBearing();
    return Bearing(rv.FlangeCleatBearing,
                   "[Pf / (db tfc 1.2 Fu)] / Nfc, the bracket rounded to two decimals; the "
                   "capacity is that of one cleat",
                   s.BoltDia, s.flangeCleatThicknessCm, s.FuCleat, s.flangeCleats);
}

Figures Tension(const DesignState& s, double force, const TensionAreas& a, double capacity) {
    return {force, capacity, "kg", "H / min(0.5 Fu Ae, 0.6 Fy Ag), with H = M / d, Ae = U An",
            N(force) + " / min(0.5 x " + N(s.FuCleat) + " x " + N(a.effective) + ", 0.6 x " +
                N(s.FyCleat) + " x " + N(a.gross) + ")"};
}

Figures BeamFlangeTension(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return Tension(s, rv.FlangeForce, rv.BeamFlangeAreas, rv.BeamFlangeTensionCapacity);
}

Figures FlangeCleatTension(const DesignState& s, const ReportValues& rv, const TextGrid&) {
    return Tension(s, rv.FlangeForce, rv.FlangeCleatAreas, rv.FlangeCleatTensionCapacity);
}

struct RowDescription {
    ConnectionType type;
    int row;
    Describe describe;
};

// The check rows of each type's result table.
constexpr RowDescription kRows[] = {
    {ConnectionType::WSP, 2, WebBoltShear},
    {ConnectionType::WSP, 3, WebBearing},
    {ConnectionType::WSP, 4, CleatBearing},
    {ConnectionType::WSP, 5, WebTearing},
    {ConnectionType::WSP, 6, CleatTearing},
    {ConnectionType::WSP, 7, Weld},
    {ConnectionType::ACLT, 2, WebBoltShear},
    {ConnectionType::ACLT, 3, WebBearing},
    {ConnectionType::ACLT, 4, CleatBearing},
    {ConnectionType::ACLT, 5, WebTearing},
    {ConnectionType::ACLT, 6, CleatTearing},
    {ConnectionType::ACLT, 9, SupportBoltShear},
    {ConnectionType::ACLT, 10, SupportBearing},
    {ConnectionType::ACLT, 11, SupportTearing},
    {ConnectionType::BMEP, 3, EndPlateShearStress},
    {ConnectionType::BMEP, 6, EndPlateTensileStress},
    {ConnectionType::BMEP, 9, SupportBearing},
    {ConnectionType::BMEP, 10, SupportTearing},
    {ConnectionType::BSPL, 2, WebBoltShear},
    {ConnectionType::BSPL, 3, WebBearing},
    {ConnectionType::BSPL, 4, CleatBearing},
    {ConnectionType::BSPL, 5, WebTearing},
    {ConnectionType::BSPL, 6, CleatTearing},
    {ConnectionType::BSPL, 9, FlangeBoltShear},
    {ConnectionType::BSPL, 10, BeamFlangeBearing},
    {ConnectionType::BSPL, 11, FlangeCleatBearing},
    {ConnectionType::BSPL, 12, BeamFlangeTension},
    {ConnectionType::BSPL, 13, FlangeCleatTension},
};

Describe DescriptionOf(ConnectionType type, int row) {
    for (const RowDescription& d : kRows)
        if (d.type == type && d.row == row) return d.describe;
    return nullptr;
}

// "*** Web Splice ***" gives "Web Splice"; any other label nothing.
std::string HeadingText(const std::string& label) {
    constexpr std::string_view kMark = "***";
    if (label.size() < 2 * kMark.size() || label.rfind(kMark, 0) != 0) return {};
    std::string text = label.substr(kMark.size(), label.size() - 2 * kMark.size());
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool IsCheckRow(const TextGrid& table, int row) {
    const std::string& verdict = table.At(row, 3);
    return verdict == "PASSED" || verdict == "REDESIGNED";
}

CheckRow RowOf(ConnectionType type, int r, const DesignState& s, const ReportValues& rv,
               const TextGrid& table) {
    CheckRow row;
    const std::string& label = table.At(r, 0);
    row.name = label.rfind("S.R. ", 0) == 0 ? label.substr(5) : label;
    row.clause = table.At(r, 1);
    row.ratioText = table.At(r, 2);
    row.ratio = LeadingNumber(row.ratioText);
    row.verdict = table.At(r, 3);
    if (const Describe describe = DescriptionOf(type, r)) {
        Figures f = describe(s, rv, table);
        row.demand = f.demand;
        row.capacity = f.capacity;
        row.unit = std::move(f.unit);
        row.formula = std::move(f.formula);
        row.substituted = std::move(f.substituted);
    }
    return row;
}

}  // namespace

std::vector<CheckGroup> ClassicCheckRows(ConnectionType type, const DesignState& s,
                                         const ReportValues& rv, const TextGrid& table) {
    std::vector<CheckGroup> groups;
    for (int r = 0; r < table.rows; ++r) {
        if (std::string heading = HeadingText(table.At(r, 0)); !heading.empty()) {
            groups.push_back({std::move(heading), {}});
            continue;
        }
        if (!IsCheckRow(table, r)) continue;
        if (groups.empty()) groups.push_back({});
        groups.back().checks.push_back(RowOf(type, r, s, rv, table));
    }
    return groups;
}

}  // namespace jw
