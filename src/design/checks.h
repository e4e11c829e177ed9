// The check routines every connection type is built from: allowable stress design (AISC-ASD)
// in kg, cm and ksc. Each computes one stress ratio from the design state and records its
// intermediate values for the report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/design_state.h"
#include "data/text_grid.h"
#include "design/report_values.h"

namespace jw {

// Which force a bearing or tearing check carries: the web bolt group's (R or V) or one flange
// bolt's force in a moment splice.
enum class ForceSource { WebGroup, FlangeBolt };

// Elastic properties of the web bolt group: Nr rows by Nc columns at pitch c.
struct BoltGroup {
    std::int16_t count = 0;
    double eccentricityCm = 0;  // ex: the load acts at the support face
    double sumSquaresX = 0;
    double sumSquaresY = 0;
    double maxOffsetX = 0;
    double maxOffsetY = 0;
    double PolarMoment() const { return sumSquaresX + sumSquaresY; }  // J
};
BoltGroup AnalyseBoltGroup(const DesignState& s);

// Geometry of a cleat centred on the beam depth.
double CleatLength(const DesignState& s);       // Lp
double CleatTopDistance(const DesignState& s);  // (d - Lp) / 2
double WebShearLength(const DesignState& s);    // Lv of the web block
double WebTensionLength(const DesignState& s);  // Ln of the web block
double CleatNetLength(const DesignState& s);    // Lnv along the bolt line
double MinOf(double x, double y);

double BoltArea(const DesignState& s);  // Ab

double BoltGroupResultant(const DesignState& s, ReportValues& rv);
std::string BoltShearRatio(const DesignState& s, ReportValues& rv);
double WebBearingRatio(const DesignState& s, ReportValues& rv, double t, ForceSource source);
double CleatBearingRatio(const DesignState& s, ReportValues& rv, double t, ForceSource source);
double BlockShearRatio(const DesignState& s, ReportValues& rv, double t, double lv, double ln,
                       ForceSource source);
double CleatNetShearRatio(const DesignState& s, ReportValues& rv, double t, double lnv,
                          ForceSource source);
double SupportCleatNetShearRatio(const DesignState& s, ReportValues& rv, double t, double lnv);
double SupportBoltShearRatio(const DesignState& s, ReportValues& rv);
double SupportBearingRatio(const DesignState& s, ReportValues& rv, double t);
double WeldShearRatio(const DesignState& s, ReportValues& rv);

// The steps the designs call: each records its ratio for the report.
double WebBearingStep(const DesignState& s, ReportValues& rv);
double CleatBearingStep(const DesignState& s, ReportValues& rv);
double WebTearingStep(const DesignState& s, ReportValues& rv);
double CleatTearingStep(const DesignState& s, ReportValues& rv);
double SupportTearingStep(const DesignState& s, ReportValues& rv);

// Moment connections.
double ShearLagFactor(const DesignState& s);
double FlangeBoltForce(const DesignState& s, ReportValues& rv);
double FlangeBoltShearRatio(const DesignState& s, ReportValues& rv);
double FlangeCleatBearingStep(const DesignState& s, ReportValues& rv);
double BeamFlangeBearingStep(const DesignState& s, ReportValues& rv);
double FlangeCleatTensionRatio(const DesignState& s, ReportValues& rv);
double BeamFlangeTensionRatio(const DesignState& s, ReportValues& rv);
double BoltGroupMomentCapacity(const DesignState& s);  // Sz of the end-plate bolts, cm^3

// Force over capacity; stops the run with `what` when the capacity is not a positive number,
// since a zero or negative capacity means the input describes no real connection.
double Ratio(double force, double capacity, std::string_view what);

// Verdict of a shown ratio text: "PASSED" when it reads at most 1, else "REDESIGNED".
std::string Verdict(std::string_view ratioText);

// Verdict helpers over a result table (0 label, 1 clause, 2 ratio, 3 verdict).
std::string GoverningFailureMode(const TextGrid& table);
std::string MaxRatio(const TextGrid& table);
std::string MinRatio(const TextGrid& table);

// All three, and whether any check asks for a redesign, from one reading of the table.
struct RatioSummary {
    std::string governingMode;
    std::string maxRatio;
    std::string minRatio;
    bool asksForRedesign = false;
};
RatioSummary SummariseRatios(const TextGrid& table);

}  // namespace jw
