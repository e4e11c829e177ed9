#include "data/part_geometry.h"

#include <algorithm>

#include "data/bolt_distances.h"

namespace jw {

double ClearWebDepthMm(double depthMm, double flangeMm, double rootRadiusMm) {
    return depthMm - 2 * flangeMm - 2 * rootRadiusMm;
}

bool FitsClearWeb(double lengthMm, double depthMm, double flangeMm, double rootRadiusMm) {
    return lengthMm <= ClearWebDepthMm(depthMm, flangeMm, rootRadiusMm);
}

bool HolesWithin(double firstMm, double pitchMm, int count, double holeMm, double lowMm,
                 double highMm) {
    if (count <= 0) return true;
    const double lastMm = firstMm + (count - 1) * pitchMm;
    return std::min(firstMm, lastMm) - holeMm / 2 >= lowMm &&
           std::max(firstMm, lastMm) + holeMm / 2 <= highMm;
}

bool GaugeClearsWeb(double gaugeMm, double webMm, double holeMm) {
    return gaugeMm / 2 - holeMm / 2 >= webMm / 2;
}

bool EndPlateCoversBeam(double plateHeightMm, double depthMm) {
    return plateHeightMm >= depthMm;
}

bool FitsFlangeWidth(double plateWidthMm, double flangeWidthMm) {
    return plateWidthMm <= flangeWidthMm;
}

bool HolesClearOfWebFillets(double gaugeMm, double webMm, double rootRadiusMm, double holeMm) {
    return gaugeMm / 2 - holeMm / 2 >= webMm / 2 + rootRadiusMm;
}

EdgeDistanceClass ClassifyEdgeDistance(double edgeMm, int boltMm) {
    const EdgeDistanceMm least = LeastEdgeDistance(boltMm);
    if (edgeMm >= least.sheared) return EdgeDistanceClass::AnyEdge;
    if (edgeMm >= least.rolledOrGasCut) return EdgeDistanceClass::GasCutEdgeOnly;
    return EdgeDistanceClass::TooShort;
}

}  // namespace jw
