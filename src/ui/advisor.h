// The connection advisor: the standard connection proposed for a beam and a type.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/connection_input.h"

namespace jw::ui {

struct AdvisorProposal {
    // Value texts for grid rows 1, 2, ...; empty when the beam has no standard connection of
    // this type, which empties the grid's values and leaves the lists as they are.
    std::vector<std::string> values;
    int anglePosition = -1;  // angle cleats only
    int boltGrade = -1;
    int boltDiameter = -1;
};

// The proposal for the beam at a list position, or nothing when the type's table has no entry
// of that beam's name (the input then stays as it is).
std::optional<AdvisorProposal> StandardProposal(ConnectionType type, int beamPosition);

}  // namespace jw::ui
