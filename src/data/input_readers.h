// Turns a type's input grid and the choices into the input fields of a fresh DesignState.
#pragma once

#include "data/connection_input.h"
#include "data/design_state.h"

namespace jw {

// Reads the value cells in row order, then the beam (and angle) section, the bolt, and the
// grade names. Every call starts from a fresh state, so nothing of an earlier run survives.
// Throws DesignError naming the row when a count lies outside -32768..32767.
DesignState ReadDesignInput(ConnectionType type, const TextGrid& grid,
                            const ConnectionChoices& choices);

}  // namespace jw
