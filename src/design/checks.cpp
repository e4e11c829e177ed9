#include "design/checks.h"

#include <cmath>
#include <cstdlib>

#include "data/design_error.h"
#include "data/numbers.h"
#include "data/units.h"

namespace jw {
namespace {

constexpr std::string_view kPassed = "PASSED";
constexpr std::string_view kRedesigned = "REDESIGNED";

// Bearing on the bolt hole: 1.2 Fu keeps the hole elongation within what serviceability allows.
constexpr double kBearingFactor = 1.2;
// Shear rupture on a net section is 0.3 Fu; tension rupture on a net section 0.5 Fu.
constexpr double kShearRupture = 0.3;
constexpr double kTensionRupture = 0.5;
// Tension yield on the gross section is 0.6 Fy.
constexpr double kTensionYield = 0.6;
// Effective throat of an equal-leg fillet weld.
constexpr double kWeldThroat = 0.707;

double ForceOn(const DesignState& s, ReportValues& rv, ForceSource source) {
    return source == ForceSource::WebGroup ? BoltGroupResultant(s, rv) : FlangeBoltForce(s, rv);
}

double TearingForce(const DesignState& s, ReportValues& rv, ForceSource source) {
    return source == ForceSource::WebGroup ? s.shearKg : FlangeBoltForce(s, rv);
}

// A product of two 16-bit counts, as the counts are held.
std::int16_t CountProduct(int a, int b, std::string_view what) {
    const int product = a * b;
    if (product < -32768 || product > 32767)
        throw DesignError(std::string(what) + " is too large: it exceeds 32767.");
    return static_cast<std::int16_t>(product);
}

// "S.R. Bolt shear" names the mode "Bolt shear".
std::string WithoutRatioPrefix(const std::string& label) {
    return label.size() > 5 ? label.substr(5) : std::string();
}

bool IsCheckRow(const TextGrid& table, int row) {
    const std::string& verdict = table.At(row, 3);
    return verdict == kPassed || verdict == kRedesigned;
}

}  // namespace

double Ratio(double force, double capacity, std::string_view what) {
    if (!(capacity > 0) || !std::isfinite(capacity))
        throw DesignError(std::string(what) + " is not a positive number: check the input.");
    const double ratio = force / capacity;
    if (!std::isfinite(ratio)) throw DesignError(std::string(what) + ": the ratio is not finite.");
    return ratio;
}

BoltGroup AnalyseBoltGroup(const DesignState& s) {
    BoltGroup g;
    g.eccentricityCm = 0.5 * (s.boltColumns - 1) * s.pitchCm + (s.edgeCm + s.setBackCm);
    g.count = CountProduct(s.boltRows, s.boltColumns, "The number of web bolts (rows x columns)");
    if (s.boltRows < 1 || s.boltColumns < 1)
        throw DesignError("The web bolt group needs at least one bolt row and one bolt column.");
    // Bolts sit on a grid of pitch c; the centroid is the mean position.
    const double meanX = 0.5 * (s.boltColumns - 1) * s.pitchCm;
    const double meanY = 0.5 * (s.boltRows - 1) * s.pitchCm;
    for (int j = 1; j <= s.boltColumns; ++j) {
        const double dx = (j - 1) * s.pitchCm - meanX;
        g.sumSquaresX += dx * dx * s.boltRows;
        g.maxOffsetX = std::max(g.maxOffsetX, std::fabs(dx));
    }
    for (int k = 1; k <= s.boltRows; ++k) {
        const double dy = (k - 1) * s.pitchCm - meanY;
        g.sumSquaresY += dy * dy * s.boltColumns;
        g.maxOffsetY = std::max(g.maxOffsetY, std::fabs(dy));
    }
    return g;
}

double CleatLength(const DesignState& s) {
    return (s.boltRows - 1) * s.pitchCm + 2 * s.edgeCm;
}

double CleatTopDistance(const DesignState& s) {
    return (s.depthCm - CleatLength(s)) / 2;
}

double WebShearLength(const DesignState& s) {
    return CleatTopDistance(s) - s.flangeCm + s.edgeCm + (s.boltRows - 1) * s.pitchCm -
           (s.boltRows - 0.5) * s.HoleCm();
}

double WebTensionLength(const DesignState& s) {
    return s.edgeCm - s.HoleCm() / 2;
}

double CleatNetLength(const DesignState& s) {
    return CleatLength(s) - s.boltRows * s.HoleCm();
}

double MinOf(double x, double y) {
    return x >= y ? y : x;
}

double BoltArea(const DesignState& s) {
    return s.BoltDia * kPi * s.BoltDia / 4;
}

double BoltGroupResultant(const DesignState& s, ReportValues& rv) {
    const BoltGroup g = AnalyseBoltGroup(s);
    rv.Eccentricity = g.eccentricityCm;
    const double groupMoment = s.shearKg * g.eccentricityCm;
    const double polar = g.PolarMoment();
    if (!(polar > 0))
        throw DesignError(
            "The web bolt group cannot resist the eccentric moment: it needs at least two bolts "
            "at a bolt distance (c) above 0.");
    const double vertical = s.shearKg / g.count + groupMoment * g.maxOffsetX / polar;
    const double horizontal = groupMoment * g.maxOffsetY / polar;
    rv.BoltCount = g.count;
    rv.GroupMoment = groupMoment;
    rv.BoltGroupPolar = polar;
    rv.BoltOffsetX = g.maxOffsetX;
    rv.BoltOffsetY = g.maxOffsetY;
    rv.BoltForceVertical = vertical;
    rv.BoltForceHorizontal = horizontal;
    return std::sqrt(horizontal * horizontal + vertical * vertical);
}

std::string BoltShearRatio(const DesignState& s, ReportValues& rv) {
    rv.BoltArea = BoltArea(s);
    rv.BoltForce = BoltGroupResultant(s, rv);
    // One shear plane per cleat.
    rv.BoltShear = {rv.BoltForce, s.Fv * rv.BoltArea * s.cleats};
    const double ratio =
        Ratio(rv.BoltShear.demand, rv.BoltShear.capacity, "The bolt shear capacity");
    rv.BoltShearRatioText = FormatFixed(ratio, 2);
    return rv.BoltShearRatioText;
}

double WebBearingRatio(const DesignState& s, ReportValues& rv, double t, ForceSource source) {
    const double force = ForceOn(s, rv, source);
    const double allow = kBearingFactor * s.FuMember;
    rv.MemberBearingAllow = allow;
    rv.MemberBearingAllow2 = allow;
    DemandCapacity& figures = source == ForceSource::WebGroup ? rv.WebBearing : rv.FlangeBearing;
    figures = {force, s.BoltDia * t * allow};
    return RoundRatio(Ratio(figures.demand, figures.capacity, "The bearing capacity of the beam"));
}

double CleatBearingRatio(const DesignState& s, ReportValues& rv, double t, ForceSource source) {
    const double force = ForceOn(s, rv, source);
    const double allow = kBearingFactor * s.FuCleat;
    rv.CleatBearingAllow = allow;
    DemandCapacity& figures =
        source == ForceSource::WebGroup ? rv.CleatBearing : rv.FlangeCleatBearing;
    figures = {force, s.BoltDia * t * allow};
    return RoundRatio(Ratio(figures.demand, figures.capacity, "The bearing capacity of the cleat"));
}

double BlockShearRatio(const DesignState& s, ReportValues& rv, double t, double lv, double ln,
                       ForceSource source) {
    // Block shear: both the shear and the tension face rupture, so both use Fu.
    const double capacity =
        (kShearRupture * s.FuMember * lv + kTensionRupture * s.FuMember * ln) * t;
    rv.WebShearLength = lv;
    rv.WebTensionLength = ln;
    rv.WebTearingCapacity = capacity;
    return RoundRatio(
        Ratio(TearingForce(s, rv, source), capacity, "The tearing capacity of the beam web"));
}

double CleatNetShearRatio(const DesignState& s, ReportValues& rv, double t, double lnv,
                          ForceSource source) {
    const double capacity = s.cleats * lnv * kShearRupture * s.FuCleat * t;
    rv.CleatNetLength = lnv;
    rv.CleatTearingCapacity = capacity;
    return RoundRatio(
        Ratio(TearingForce(s, rv, source), capacity, "The tearing capacity of the cleat"));
}

double SupportCleatNetShearRatio(const DesignState& s, ReportValues& rv, double t, double lnv) {
    const double capacity = s.supportCleats * lnv * kShearRupture * s.FuCleat * t;
    rv.SupportNetLength = lnv;
    rv.SupportTearingCapacity = capacity;
    rv.SupportTearingRatioValue =
        RoundRatio(Ratio(s.shearKg, capacity, "The tearing capacity of the support cleat"));
    return rv.SupportTearingRatioValue;
}

double SupportBoltShearRatio(const DesignState& s, ReportValues& rv) {
    const double area = BoltArea(s);
    if (s.supportBolts < 1 || s.cleats < 1)
        throw DesignError("The support needs at least one bolt and one cleat.");
    rv.SupportBoltForce = s.shearKg / s.supportBolts / s.cleats;
    rv.SupportBoltCapacity = s.Fv * area;
    rv.SupportBoltShearRatioValue = RoundRatio(
        Ratio(rv.SupportBoltForce, rv.SupportBoltCapacity, "The support bolt shear capacity"));
    return rv.SupportBoltShearRatioValue;
}

double SupportBearingRatio(const DesignState& s, ReportValues& rv, double t) {
    // Slip-critical bolts carry the load by friction, so the holes see no bearing.
    if (s.SlipCritical) return 0;
    const int bolts = CountProduct(s.cleats, s.supportBolts, "The number of support bolts");
    if (bolts < 1) throw DesignError("The support needs at least one bolt and one cleat.");
    rv.SupportBearingAllow = kBearingFactor * s.FuCleat;
    rv.SupportBearing = {s.shearKg / bolts, s.BoltDia * t * rv.SupportBearingAllow};
    rv.SupportBearingRatioValue =
        RoundRatio(Ratio(rv.SupportBearing.demand, rv.SupportBearing.capacity,
                         "The bearing capacity at the support"));
    return rv.SupportBearingRatioValue;
}

double WeldShearRatio(const DesignState& s, ReportValues& rv) {
    rv.WeldCapacity = CleatLength(s) * kWeldThroat * static_cast<double>(s.weldSizeCm) *
                      s.weldSides * s.FwWeld * s.cleats;
    rv.WeldDesignForce = s.shearKg;
    rv.WeldRatioValue = Ratio(s.shearKg, rv.WeldCapacity, "The weld capacity");
    return rv.WeldRatioValue;
}

double WebBearingStep(const DesignState& s, ReportValues& rv) {
    rv.WebBearingRatioValue =
        s.SlipCritical ? 0 : WebBearingRatio(s, rv, s.webCm, ForceSource::WebGroup);
    return rv.WebBearingRatioValue;
}

double CleatBearingStep(const DesignState& s, ReportValues& rv) {
    // The bolt force spreads over the cleats; the quotient keeps its full precision.
    rv.CleatBearingRatioValue =
        s.SlipCritical
            ? 0
            : CleatBearingRatio(s, rv, s.cleatThicknessCm, ForceSource::WebGroup) / s.cleats;
    return rv.CleatBearingRatioValue;
}

double WebTearingStep(const DesignState& s, ReportValues& rv) {
    rv.WebTearingRatioValue = BlockShearRatio(s, rv, s.webCm, WebShearLength(s),
                                              WebTensionLength(s), ForceSource::WebGroup);
    return rv.WebTearingRatioValue;
}

double CleatTearingStep(const DesignState& s, ReportValues& rv) {
    rv.CleatTearingRatioValue =
        CleatNetShearRatio(s, rv, s.cleatThicknessCm, CleatNetLength(s), ForceSource::WebGroup);
    return rv.CleatTearingRatioValue;
}

double SupportTearingStep(const DesignState& s, ReportValues& rv) {
    return SupportCleatNetShearRatio(s, rv, s.cleatThicknessCm, CleatNetLength(s));
}

double ShearLagFactor(const DesignState& s) {
    if (s.flangeRows < 3) return 0.75;
    return (2.0 / 3.0) * s.depthCm > s.flangeWidthCm ? 0.85 : 0.90;
}

double FlangeBoltForce(const DesignState& s, ReportValues& rv) {
    if (!(s.depthCm > 0)) throw DesignError("The beam depth is 0: choose a beam section.");
    // The moment acts on the splice as a couple of flange forces M/d.
    rv.FlangeForce = s.momentKgCm / s.depthCm;
    const int bolts = CountProduct(2, s.flangeRows, "The number of flange bolts (2 x rows)");
    if (bolts < 1) throw DesignError("\"Row of Flange Cleat\" must be at least 1.");
    return rv.FlangeForce / bolts;
}

double FlangeBoltShearRatio(const DesignState& s, ReportValues& rv) {
    const double area = BoltArea(s);
    rv.FlangeBoltForceValue = FlangeBoltForce(s, rv);
    rv.FlangeBoltShear = {rv.FlangeBoltForceValue, s.Fv * area * s.flangeCleats};
    rv.FlangeBoltShearRatioValue = RoundRatio(Ratio(
        rv.FlangeBoltShear.demand, rv.FlangeBoltShear.capacity, "The flange bolt shear capacity"));
    return rv.FlangeBoltShearRatioValue;
}

double FlangeCleatBearingStep(const DesignState& s, ReportValues& rv) {
    rv.FlangeCleatBearingRatioValue =
        s.SlipCritical
            ? 0
            : CleatBearingRatio(s, rv, s.flangeCleatThicknessCm, ForceSource::FlangeBolt) /
                  s.flangeCleats;
    return rv.FlangeCleatBearingRatioValue;
}

double BeamFlangeBearingStep(const DesignState& s, ReportValues& rv) {
    rv.FlangeBearingRatioValue =
        s.SlipCritical ? 0 : WebBearingRatio(s, rv, s.flangeCm, ForceSource::FlangeBolt);
    return rv.FlangeBearingRatioValue;
}

double FlangeCleatTensionRatio(const DesignState& s, ReportValues& rv) {
    const double hole = s.HoleCm();
    const double t = s.flangeCleatThicknessCm;
    const double e = s.flangeEdgeCm;
    // Inner plates beside the web exist only with two flange cleats.
    const double inner = s.flangeCleats == 1 ? 0.0 : 1.0;
    const double innerWidth = s.flangeWidthCm - s.webCm - 2 * s.rootRadiusCm;
    TensionAreas& areas = rv.FlangeCleatAreas;
    areas = {};
    if (s.c1Cm == 0) {
        areas.netStraight = (2 * e + s.c3Cm - 2 * hole) * t + inner * (innerWidth - 2 * hole) * t;
        areas.net = areas.netStraight;
        areas.gross = (2 * e + s.c3Cm) * t + inner * innerWidth * t;
    } else if (s.c1Cm > 0) {
        // Staggered bolts: the zig-zag path adds s^2/4g for each diagonal.
        const double stagger = s.c2Cm * s.c2Cm / (4 * s.c1Cm);
        areas.netStraight =
            (2 * e + 2 * s.c1Cm + s.c3Cm - 2 * hole) * t + inner * (innerWidth - 2 * hole) * t;
        areas.netZigzag = (2 * stagger + 2 * e + 2 * s.c1Cm + s.c3Cm - 4 * hole) * t +
                          inner * 2 * (stagger + innerWidth / 2 - 2 * hole) * t;
        areas.net = MinOf(areas.netStraight, areas.netZigzag);
        areas.gross = (2 * e + 2 * s.c1Cm + s.c3Cm) * t + inner * innerWidth * t;
    }
    rv.ShearLag = ShearLagFactor(s);
    areas.effective = rv.ShearLag * areas.net;
    rv.FlangeCleatTensionCapacity = MinOf(kTensionRupture * s.FuCleat * areas.effective,
                                          kTensionYield * s.FyCleat * areas.gross);
    if (!(s.depthCm > 0)) throw DesignError("The beam depth is 0: choose a beam section.");
    rv.FlangeCleatTensionRatioValue = Ratio(s.momentKgCm / s.depthCm, rv.FlangeCleatTensionCapacity,
                                            "The tension capacity of the flange cleats");
    return rv.FlangeCleatTensionRatioValue;
}

double BeamFlangeTensionRatio(const DesignState& s, ReportValues& rv) {
    const double hole = s.HoleCm();
    const double tf = s.flangeCm;
    const double bf = s.flangeWidthCm;
    TensionAreas& areas = rv.BeamFlangeAreas;
    areas = {};
    if (s.c1Cm == 0) {
        areas.netStraight = (bf - 2 * hole) * tf;
        areas.net = areas.netStraight;
    } else if (s.c1Cm > 0) {
        const double stagger = s.c2Cm * s.c2Cm / (4 * s.c1Cm);
        areas.netStraight = (bf - 2 * hole) * tf;
        areas.netZigzag = (2 * stagger + bf - 4 * hole) * tf;
        areas.net = MinOf(areas.netStraight, areas.netZigzag);
    }
    rv.ShearLag = ShearLagFactor(s);
    areas.effective = rv.ShearLag * areas.net;
    areas.gross = tf * bf;
    // The flange is checked with the plate steel's strengths.
    rv.BeamFlangeTensionCapacity =
        MinOf(kTensionRupture * s.FuCleat * areas.effective, kTensionYield * s.FyCleat * tf * bf);
    if (!(s.depthCm > 0)) throw DesignError("The beam depth is 0: choose a beam section.");
    rv.BeamFlangeTensionRatioValue = Ratio(s.momentKgCm / s.depthCm, rv.BeamFlangeTensionCapacity,
                                           "The tension capacity of the beam flange");
    return rv.BeamFlangeTensionRatioValue;
}

double BoltGroupMomentCapacity(const DesignState& s) {
    const BoltGroup g = AnalyseBoltGroup(s);
    if (!(g.maxOffsetY > 0))
        throw DesignError(
            "The end plate bolts have no lever arm: use at least two bolt rows at a bolt "
            "distance (c) above 0.");
    return s.boltAreaCm2 * g.sumSquaresY / g.maxOffsetY;
}

std::string Verdict(std::string_view ratioText) {
    return std::string(LeadingNumber(ratioText) <= 1 ? kPassed : kRedesigned);
}

RatioSummary SummariseRatios(const TextGrid& table) {
    RatioSummary summary;
    double largest = 0;
    double smallestPassed = 10000;
    bool modeSettled = false;
    for (int r = 0; r < table.rows; ++r) {
        if (!IsCheckRow(table, r)) continue;
        const std::string& ratio = table.At(r, 2);
        const bool redesign = table.At(r, 3) == kRedesigned;
        summary.asksForRedesign |= redesign;
        // A failed check with no ratio to show (bolts overstressed in shear) governs outright.
        if (redesign && !modeSettled && !StrictNumber(ratio)) {
            summary.governingMode = WithoutRatioPrefix(table.At(r, 0));
            modeSettled = true;
        }
        const double value = LeadingNumber(ratio);
        if (value > largest) {
            largest = value;
            if (!modeSettled) summary.governingMode = WithoutRatioPrefix(table.At(r, 0));
        }
        if (!redesign) smallestPassed = std::min(smallestPassed, value);
    }
    summary.maxRatio = FormatFixed(largest, 2);
    summary.minRatio = FormatFixed(smallestPassed, 2);
    return summary;
}

std::string GoverningFailureMode(const TextGrid& table) {
    return SummariseRatios(table).governingMode;
}

std::string MaxRatio(const TextGrid& table) {
    return SummariseRatios(table).maxRatio;
}

std::string MinRatio(const TextGrid& table) {
    return SummariseRatios(table).minRatio;
}

}  // namespace jw
