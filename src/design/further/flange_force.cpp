#include "design/further/flange_force.h"

#include "data/design_error.h"

namespace jw::further {

double FlangeForceKg(const DesignState& s) {
    const double leverArm = s.depthCm - s.flangeCm;
    if (!(leverArm > 0))
        throw DesignError("The beam's flanges leave no lever arm: check the section.");
    return s.momentKgCm / leverArm;
}

DerivedValue FlangeForceValue(const DesignState& s) {
    return {"Ff", FlangeForceKg(s), "kg",
            "flange force, M / (d - tf): the flanges' couple acts between their centroids"};
}

}  // namespace jw::further
