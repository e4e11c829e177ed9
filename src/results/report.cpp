#include "results/report.h"

#include "data/design_error.h"
#include "data/numbers.h"
#include "design/checks.h"

namespace jw {
namespace {

constexpr std::string_view kIndent = "    ";

class ReportText {
  public:
    ReportText() { text_.reserve(4096); }
    void Plain(std::string_view text) { Line(text); }
    void Rule(int length) {
        text_.append(length, '-');
        text_ += "\r\n";
    }
    void Blank() { text_ += "\r\n"; }
    void Value(std::string_view label, std::string_view value, std::string_view unit = {}) {
        text_ += label;
        text_ += value;
        Line(unit);
    }
    void Indented(std::string_view label, std::string_view value, std::string_view unit = {}) {
        text_ += kIndent;
        Value(label, value, unit);
    }
    std::string Take() { return std::move(text_); }

  private:
    void Line(std::string_view tail) {
        text_ += tail;
        text_ += "\r\n";
    }
    std::string text_;
};

std::string Fixed2(double value) {
    return FormatFixed(value, 2);
}

// A text entry holding a number prints as that number; any other text prints unchanged.
std::string Fixed2(const std::string& text) {
    return StrictNumber(text) ? FormatFixed(LeadingNumber(text), 2) : text;
}

std::string Whole(double value) {
    return FormatWhole(value);
}

void Banner(ReportText& r) {
    r.Rule(40);
    r.Plain(kProgramName);
    r.Plain("Bolted steel beam connection design (AISC-ASD)");
    r.Blank();
    r.Value("Version ", kProgramVersion);
    r.Rule(40);
    r.Blank();
}

void SectionA(ReportText& r, const DesignState& s) {
    r.Plain("A.Material Properties");
    r.Rule(21);
    r.Value("A.1 Bolt Grade = ", s.boltGrade);
    r.Indented("Shear Strength (Fv ) = ", Fixed2(s.Fv), " ksc");
    r.Blank();
    r.Value("A.2 Beam Grade = ", s.memberGrade);
    r.Indented("Yield Strength    (Fy) = ", Fixed2(s.FyMember), " ksc");
    r.Indented("Fracture Strength (Fu) = ", Fixed2(s.FuMember), " ksc");
    r.Blank();
    r.Value("A.3 Cleat Grade = ", s.cleatGrade);
    r.Indented("Yield Strength    (Fy) = ", Fixed2(s.FyCleat), " ksc");
    r.Indented("Fracture Strength (Fu) = ", Fixed2(s.FuCleat), " ksc");
    r.Blank();
}

void SectionB(ReportText& r, const DesignState& s, const ReportValues& rv) {
    r.Plain("B.Bolt Information");
    r.Rule(18);
    r.Plain("B.1 General");
    r.Indented("Bolt Diameter         = ", FormatFixed(s.BoltDia, 1), " cm");
    r.Indented("Bolt X-section Area   = ", Fixed2(rv.BoltArea), " sq.cm.");
    r.Indented("Number of row    (nr) = ", Whole(s.boltRows));
    r.Indented("Number of column (nc) = ", Whole(s.boltColumns));
    r.Blank();
    r.Plain("B.2 Design Check");
    r.Indented("Design Vertical Shear Force(V)  = ", Fixed2(s.shearKg), " kgf");
    r.Indented("Design eccentricity        (ex) = ", Fixed2(rv.Eccentricity), " cm");
    r.Indented("Transfered Torsional Moment(MT) = ", Fixed2(rv.Eccentricity * s.shearKg),
               " kgf.cm");
    r.Indented("Maximum Bolt Shear Resultant    = ", Fixed2(rv.BoltForce), " kgf");
    r.Indented("Bolt Max. Shear Stress ratio    = ", Fixed2(rv.BoltShearRatioText));
    r.Blank();
}

void SectionC(ReportText& r, const ReportValues& rv) {
    r.Plain("C. Beam Information");
    r.Rule(19);
    r.Plain("Beam size");
    r.Blank();
    r.Plain("C.1 Bearing Check");
    r.Indented("Allowable Bearing Stress = ", Fixed2(rv.MemberBearingAllow), " ksc");
    r.Indented("Bearing Stress ratio = ", Fixed2(rv.WebBearingRatioValue));
    r.Blank();
    r.Plain("C.2 Tearing Check");
    r.Indented("Lv = ", Fixed2(rv.WebShearLength), " cm");
    r.Indented("Lh = ", Fixed2(rv.WebTensionLength), " cm");
    r.Indented("Allowable Tearing force = ", Fixed2(rv.WebTearingCapacity), " kgf");
    r.Indented("Tearing stress ratio = ", Fixed2(rv.WebTearingRatioValue));
    r.Blank();
}

void SectionD(ReportText& r, const DesignState& s, const ReportValues& rv) {
    r.Plain("D. Cleat or Angle Cleat Information");
    r.Rule(20);
    r.Value("Cleat Thickness = ", Fixed2(s.cleatThicknessCm), " cm");
    r.Value("Number of Cleat Plate = ", Whole(s.cleats));
    r.Blank();
    r.Plain("D.1 Bearing Check");
    r.Indented("Allowable Bearing Stress = ", Fixed2(rv.CleatBearingAllow), " ksc");
    r.Indented("Bearing Stress ratio = ", Fixed2(rv.CleatBearingRatioValue));
    r.Blank();
    r.Plain("D.2 Tearing Check");
    r.Indented("Lvc = ", Fixed2(rv.CleatNetLength), "cm");
    r.Indented("Allowable Tearing force = ", Fixed2(rv.CleatTearingCapacity), " kgf");
    r.Indented("Tearing stress ratio = ", Fixed2(rv.CleatTearingRatioValue));
    r.Blank();
}

void SectionE(ReportText& r, const DesignState& s, const ReportValues& rv) {
    const int supportBolts = s.cleats * s.supportBolts;
    if (supportBolts > 32767 || supportBolts < -32768)
        throw DesignError("The total number of support bolts exceeds 32767.");
    r.Plain("E. End Support Information");
    r.Rule(28);
    r.Value("Cleat Thickness = ", Fixed2(s.cleatThicknessCm), "cm");
    r.Value("Number of Cleat Plate = ", Whole(s.cleats));
    r.Value("Total Number of bolt at support = ", Whole(supportBolts));
    r.Blank();
    r.Plain("E.1 Bolt Shear at Support");
    r.Indented("Reaction shear force per bolt = ", Fixed2(rv.SupportBoltForce), " kgf");
    r.Indented("Bolt shear capacity = ", Fixed2(rv.SupportBoltCapacity), " kgf");
    r.Indented("Bolt shear stress ratio = ", Fixed2(rv.SupportBoltShearRatioValue));
    r.Blank();
    r.Plain("E.2 Bearing Check");
    r.Indented("Allowable Bearing Stress = ", Fixed2(rv.SupportBearingAllow), " ksc");
    r.Indented("Bearing Stress ratio = ", Fixed2(rv.SupportBearingRatioValue));
    r.Blank();
    r.Plain("E.3 Tearing Check");
    r.Indented("Lvc = ", Fixed2(rv.SupportNetLength), " cm");
    r.Indented("Allowable Tearing force = ", Fixed2(rv.SupportTearingCapacity), " kgf");
    r.Indented("Tearing stress ratio = ", Fixed2(rv.SupportTearingRatioValue));
    r.Blank();
}

void SectionF(ReportText& r, const DesignState& s, const ReportValues& rv) {
    r.Plain("F. Combined Shear Tension");
    r.Rule(25);
    r.Value("Design Bending Moment (MZ) = ", Fixed2(s.momentKgCm), " kgf.cm");
    r.Value("Design Shear Force    (V)  = ", Fixed2(s.shearKg), " kgf");
    r.Value("Actual Shear Stress (fv) = ", Fixed2(rv.ActualShearStress), " ksc");
    r.Value("Allowable Tensile Stress (Ft) = ", Fixed2(rv.AllowableTensileStress), " ksc");
    r.Value("Tensile Stress ratio = ", Fixed2(rv.TensileStressRatio));
    r.Value("Shear Stress ratio = ", Fixed2(rv.ShearStressRatio));
    r.Blank();
}

void SectionG(ReportText& r, const DesignState& s, const ReportValues& rv) {
    r.Plain("G. Beam Flange Splice");
    r.Rule(21);
    r.Plain("G.1 Bolt Information");
    r.Indented("Number of Bolt in row = ", Whole(s.flangeRows));
    r.Indented("Horizontal shear Force (H) = ", Fixed2(rv.FlangeForce), " kgf");
    r.Indented("Horizontal Shear Force per Bolt = ", Fixed2(rv.FlangeBoltForceValue), " kgf");
    r.Indented("Maximum Horizontal Shear Stress ratio = ", Fixed2(rv.FlangeBoltShearRatioValue));
    r.Blank();
    r.Plain("G.2 Beam Flange Bearing");
    r.Indented("Flange Thickness = ", Fixed2(s.flangeCm), " cm");
    r.Indented("Number of Flange Cleat Plate = ", Whole(s.flangeCleats));
    r.Indented("Allowable bearing stress = ", Fixed2(rv.MemberBearingAllow2), " ksc");
    r.Indented("Bearing stress ratio = ", Fixed2(rv.FlangeBearingRatioValue));
    r.Blank();
    r.Plain("G.3 Beam Flange Tension Failure");
    r.Indented("Allowable Tension = ", Fixed2(rv.BeamFlangeTensionCapacity), " kgf");
    r.Indented("Tearing stress ratio = ", Fixed2(rv.BeamFlangeTensionRatioValue));
    r.Blank();
    r.Plain("G.4 Flange Cleat Bearing");
    r.Indented("Cleat Thickness = ", Fixed2(s.flangeCleatThicknessCm), " cm");
    r.Indented("Number of Flange Cleat Plate = ", Whole(s.flangeCleats));
    r.Indented("Allowable bearing stress = ", Fixed2(rv.CleatBearingAllow), " ksc");
    r.Indented("Bearing stress ratio = ", Fixed2(rv.FlangeCleatBearingRatioValue));
    r.Blank();
    r.Plain("G.5 Flange Cleat Tension Failure");
    r.Indented("Allowable Tension = ", Fixed2(rv.FlangeCleatTensionCapacity), " kgf");
    r.Indented("Tearing stress ratio = ", Fixed2(rv.FlangeCleatTensionRatioValue));
    r.Blank();
}

void SectionH(ReportText& r, const ReportValues& rv) {
    r.Plain("H.Shear resistance at welded Cleat plate");
    r.Blank();
    r.Indented("Weld Resistance Force = ", Fixed2(rv.WeldCapacity), " kgf");
    r.Indented("Vertical Shear Force = ", Fixed2(rv.WeldDesignForce), " kgf");
    r.Indented("Stress ratio = ", Fixed2(rv.WeldRatioValue));
    r.Blank();
}

}  // namespace

std::string FormatReport(ConnectionType type, const DesignState& s, const ReportValues& rv) {
    if (type == ConnectionType::None) return {};
    ReportText r;
    Banner(r);
    r.Plain(TypeReportTitle(type));
    r.Blank();
    SectionA(r, s);
    switch (type) {
        case ConnectionType::WSP:
            SectionB(r, s, rv);
            SectionC(r, rv);
            SectionD(r, s, rv);
            SectionH(r, rv);
            break;
        case ConnectionType::ACLT:
            SectionB(r, s, rv);
            SectionC(r, rv);
            SectionD(r, s, rv);
            SectionE(r, s, rv);
            break;
        case ConnectionType::BMEP:
            SectionF(r, s, rv);
            SectionE(r, s, rv);
            break;
        case ConnectionType::BSPL:
            SectionB(r, s, rv);
            SectionC(r, rv);
            SectionD(r, s, rv);
            SectionG(r, s, rv);
            break;
        case ConnectionType::None:
            break;
    }
    return r.Take();
}

}  // namespace jw
