#include "design/further/prying.h"

#include <algorithm>
#include <cmath>

namespace jw::further {
namespace {

// The manual's T-stub takes the prying edge at most 1.25 b beyond the bolt: further out the
// plate's edge no longer bears as the model assumes.
constexpr double kMaxEdgeOverB = 1.25;
// Plates bend at 0.75 Fy in ASD.
constexpr double kPlateBending = 0.75;
// The effective throat of a fillet weld per unit leg.
constexpr double kWeldThroat = 0.707;

}  // namespace

Prying AnalysePrying(const TStub& t) {
    Prying p;
    p.bPrime = t.b - t.boltDia / 2;
    p.aPrime = std::min(t.a, kMaxEdgeOverB * t.b) + t.boltDia / 2;
    p.rho = p.aPrime > 0 ? std::max(p.bPrime, 0.0) / p.aPrime : 0;
    p.delta = t.tributary > 0 ? std::clamp(1 - t.hole / t.tributary, 0.0, 1.0) : 0;
    p.plateBends = p.bPrime > 0 && t.tributary > 0 && t.thickness > 0;
    if (!p.plateBends) {
        // The bolt stands against the stem: the plate has no span to bend over, nor to pry.
        p.allowableTension = t.boltAllowable;
        return p;
    }
    // The tension one bolt can draw while the plate stays in single curvature at 0.75 Fy:
    // M = T b' against p t^2 (0.75 Fy) / 6, that is T = p t^2 Fy / (8 b').
    const double singleCurvature = t.tributary * t.thickness * t.thickness * t.fy / (8 * p.bPrime);
    p.plateTension = singleCurvature * (1 + p.delta);
    if (t.boltAllowable > 0) {
        p.tc = std::sqrt(8 * t.boltAllowable * p.bPrime / (t.tributary * t.fy));
        const double thinness = (p.tc / t.thickness) * (p.tc / t.thickness);
        p.alphaPrime = p.delta > 0 ? (thinness - 1) / (p.delta * (1 + p.rho)) : 0;
        if (p.alphaPrime < 0)
            p.allowableTension = t.boltAllowable;
        else
            p.allowableTension = singleCurvature * (1 + p.delta * std::min(p.alphaPrime, 1.0));
    }
    // The double curvature that T calls for; past 1 the plate itself is overstressed.
    if (t.boltTension > singleCurvature)
        p.alpha = p.delta > 0 ? std::min((t.boltTension / singleCurvature - 1) / p.delta, 1.0) : 1;
    p.prying = p.rho * p.delta * p.alpha * singleCurvature;
    return p;
}

EndPlateMoment AnalyseExtendedEndPlate(const ExtendedEndPlate& e, double thickness) {
    EndPlateMoment m;
    m.pe = std::max(e.pf - e.boltDia / 4 - kWeldThroat * e.weldSize, 0.0);
    if (e.webArea > 0 && e.boltDia > 0)
        m.alphaM = e.ca * e.cb * std::cbrt(e.flangeArea / e.webArea) *
                   std::sqrt(std::sqrt(m.pe / e.boltDia));
    m.moment = m.alphaM * e.flangeForce * m.pe / 4;
    const double allowableStress = kPlateBending * e.fy;
    m.allowableMoment = e.plateWidth * thickness * thickness * allowableStress / 6;
    if (e.plateWidth > 0 && allowableStress > 0)
        m.requiredThickness = std::sqrt(6 * m.moment / (e.plateWidth * allowableStress));
    return m;
}

double EndPlateCa(bool a490Class) {
    return a490Class ? 1.45 : 1.36;
}

}  // namespace jw::further
