#include "design/further/welds.h"

#include "design/further/check_builder.h"

namespace jw::further {

double MinFilletWeldMm(double thicknessMm) {
    if (thicknessMm <= 6) return 3;
    if (thicknessMm <= 13) return 5;
    if (thicknessMm <= 19) return 6;
    return 8;
}

namespace {

// The thickest part a fillet weld may join by Table J2.4.
std::string ThickestPartText(double weldMm) {
    if (weldMm >= 6) return "up to 19 mm thick";
    if (weldMm >= 5) return "up to 13 mm thick";
    if (weldMm >= 3) return "up to 6 mm thick";
    return "of no thickness";
}

}  // namespace

void AddWeldChecks(const ShearContext& c, FurtherChecks& out) {
    const DesignState& s = c.s;
    const double plateMm = s.cleatThicknessCm * 10;
    const double weldCm = s.weldSizeCm;
    const double leastCm = MinFilletWeldMm(plateMm) / 10;
    out.checks.push_back(MakeCheck({"Weld size minimum", "AISC-ASD89 Table J2.4", leastCm, weldCm,
                                    "cm", "w,min(tc) <= w", Num(leastCm) + " <= " + Num(weldCm)}));
    // The weld's fusion face on the plate cannot pass on more than the plate's own shear.
    const double baseMetal = 0.40 * s.FyCleat * s.cleatThicknessCm * c.plateLengthCm * s.cleats;
    out.checks.push_back(MakeCheck({"Weld base metal", "AISC-ASD89 Table J2.5", s.shearKg,
                                    baseMetal, "kg", "V / (0.40 Fy tc Lp Ncl)",
                                    Num(s.shearKg) + " / (0.40 x " + Num(s.FyCleat) + " x " +
                                        Num(s.cleatThicknessCm) + " x " + Num(c.plateLengthCm) +
                                        " x " + std::to_string(s.cleats) + ")"}));
    if (s.weldSides == 1)
        out.warnings.push_back(
            {"The plate is welded on one side only: the root of a one-sided fillet weld opens "
             "as the beam end rotates; weld both sides.",
             WarningAbout::OneSidedWeld});
    // Table J2.4 takes the thicker of the two parts joined, and the support is not an input.
    const double weldMm = weldCm * 10;
    if (weldMm < MinFilletWeldMm(1e9))
        out.warnings.push_back({"Fillet weld " + Num(weldMm) + " mm suits a support " +
                                    ThickestPartText(weldMm) +
                                    " (Table J2.4): check the support's thickness.",
                                WarningAbout::Support});
}

}  // namespace jw::further
