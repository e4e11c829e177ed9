// What the input must describe before any check runs: a chosen section, real counts and
// thicknesses, known grades. Each failure names its cause, so no check ever divides by zero or
// passes a connection that cannot exist.
#pragma once

#include "data/connection_input.h"
#include "data/design_state.h"

namespace jw {

// Throws DesignError with a message naming the first problem found.
void ValidateDesignInput(ConnectionType type, const TextGrid& grid,
                         const ConnectionChoices& choices, const DesignState& state);

}  // namespace jw
