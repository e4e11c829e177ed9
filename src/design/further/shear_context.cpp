#include "design/further/shear_context.h"

#include <cmath>

#include "design/checks.h"

namespace jw::further {

LineGroupForce BoltLineResultant(double shearKg, double eccentricityCm, int bolts, double pitchCm) {
    LineGroupForce force;
    if (bolts < 2 || !(pitchCm > 0)) return force;
    // Bolts at (k - 1) c about their mid-point: J = c^2 n (n^2 - 1) / 12, ymax = (n - 1) c / 2.
    const double n = bolts;
    force.polarCm2 = pitchCm * pitchCm * n * (n * n - 1) / 12;
    const double yMax = (n - 1) * pitchCm / 2;
    const double vertical = shearKg / n;
    const double horizontal = shearKg * eccentricityCm * yMax / force.polarCm2;
    force.resultantKg = std::sqrt(vertical * vertical + horizontal * horizontal);
    force.resists = true;
    return force;
}

ShearContext MakeShearContext(ConnectionType type, const DesignState& s, const ReportValues& rv) {
    ShearContext c{type, s};
    c.boltForceKg = rv.BoltForce;
    c.plateLengthCm = CleatLength(s);
    c.boltMm = static_cast<int>(std::lround(s.BoltDia * 10));
    if (type == ConnectionType::ACLT) {
        c.supportLeverArmCm = s.webCm / 2 + s.angleLegCm / 2;
        const double shared = s.shearKg / (double(s.supportBolts) * s.cleats);
        const LineGroupForce line =
            BoltLineResultant(s.shearKg, c.supportLeverArmCm, s.supportBolts, s.pitchCm);
        c.supportBoltForceKg = s.cleats == 1 && line.resists ? line.resultantKg : shared;
    }
    return c;
}

}  // namespace jw::further
