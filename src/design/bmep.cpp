// Moment end plate: two bolt lines in shear, in tension from the moment and in both at once.
// Every ratio is computed from the rounded text of the row it depends on, so the table and
// the report agree with what the engineer reads.
#include "data/grades.h"
#include "data/numbers.h"
#include "design/checks.h"
#include "design/connection_checks.h"
#include "design/web_splice.h"

namespace jw {

void CheckBmep(DesignState& s, ReportValues& rv, TextGrid& table) {
    constexpr std::string_view kStress = "ksc";
    ResultRows rows(10);
    rows.Heading(1, "*** Bolt Group ***");

    s.boltAreaCm2 = BoltArea(s);
    const double bolts = s.supportBolts;
    const double shearStress = Ratio(s.shearKg / bolts, s.boltAreaCm2, "The bolt area");
    rows.Row(2, "Maximum Shear Stress", "V/ns", FormatUpToTwo(shearStress), kStress);
    rv.SupportBoltForce = s.shearKg / bolts;
    rv.SupportBoltCapacity = s.Fv * s.boltAreaCm2;
    rv.SupportBoltShearRatioValue =
        Ratio(rv.SupportBoltForce, rv.SupportBoltCapacity, "The bolt shear capacity");
    // A zero load shows as "." and reads back as 0.
    const double fv = LeadingNumber(rows.ValueAt(2));
    rows.Check(3, "S.R. Shear Stress", "AISC/ASD Sect. J.4-1",
               FormatFixed(Ratio(fv, s.Fv, "The bolt shear allowable"), 2));
    rv.ShearStressRatio = LeadingNumber(rows.ValueAt(3));

    const double sz = BoltGroupMomentCapacity(s);
    rv.BoltGroupModulus = sz;
    rows.Row(4, "Maximum Tensile Stress", "M/Sz", FormatUpToTwo(s.momentKgCm / sz), kStress);
    rv.ActualShearStress = fv;

    const auto ft = BoltTensionAllowable(s.boltGrade, fv);
    rows.Row(5, "Allowable Tensile Stress", "AISC/ASD Sect. J.3-5 Table 3.3",
             FormatUpToTwo(ft.value_or(0)), kStress);
    rv.AllowableTensileStress = LeadingNumber(rows.ValueAt(5));
    if (ft) {
        const double tensile = LeadingNumber(rows.ValueAt(4));
        rows.Check(6, "S.R. Tensile stress", "AISC/ASD Sect. J.3-5",
                   FormatFixed(Ratio(tensile, rv.AllowableTensileStress,
                                     "The allowable tensile stress of the bolts"),
                               2));
        rv.TensileStressRatio = FormatFixed(LeadingNumber(rows.ValueAt(6)), 2);
    } else {
        // The shear stress alone exhausts the bolt: no tension is left to allow.
        rows.Row(6, "S.R. Tensile stress", "Bolts overstressed in shear", "", "REDESIGNED");
        rv.TensileStressRatio = "bolts overstressed in shear";
    }

    rows.Heading(8, "*** End Plate ***");
    rows.Check(9, "S.R. Bearing", kBearingClause,
               FormatFixed(SupportBearingRatio(s, rv, s.cleatThicknessCm), 2));
    rows.Check(
        10, "S.R. Tearing", kTearingClause,
        FormatFixed(SupportCleatNetShearRatio(s, rv, s.cleatThicknessCm, CleatNetLength(s)), 2));
    rows.WriteTo(table);
}

}  // namespace jw
