// Capacity tables, as engineers look them up in handbooks: for a connection's layout, the
// largest shear it carries with every check passing at its own moment, and for the moment
// connections the largest moment at its own shear, each with the check that stops a larger load.
// Found by bisection with the design run itself.
#pragma once

#include <optional>
#include <string>

#include "design/design_run.h"

namespace jw {

// Loads step by these: a capacity is the largest multiple that passes.
inline constexpr double kShearCapacityStepKg = 10;
inline constexpr double kMomentCapacityStepKgCm = 1000;

struct LoadCapacity {
    bool carries = false;   // the layout passes at some load
    double load = 0;        // the largest multiple of the step that passes
    std::string governing;  // the check that fails one step above, or why none passes
};

struct ConnectionCapacity {
    LoadCapacity shear;                  // at the layout's own moment
    std::optional<LoadCapacity> moment;  // end plate and splice: at the layout's own shear
};

ConnectionCapacity CapacityOf(const ConnectionInput& layout);

}  // namespace jw
