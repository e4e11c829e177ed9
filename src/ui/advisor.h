// The connection advisor: the standard connection proposed for a beam and a type.
#pragma once

#include <optional>

#include "data/standard_connections.h"

namespace jw::ui {

// The proposal for the beam at a list position, or nothing when the type's table has no row
// of that beam's name (the input then stays as it is).
std::optional<AdvisorProposal> StandardProposal(ConnectionType type, int beamPosition);

}  // namespace jw::ui
