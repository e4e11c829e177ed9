// Every proposal of the standard connection tables, designed by its own type's design: what the
// advisor would fill in, checked the way the engineer would check it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/design_run.h"

namespace jw {

struct ProposalDesign {
    enum class Kind {
        Designed,     // the row names a beam section and proposes values: `result` holds the run
        NotASection,  // the row's name is no section's, so the advisor never uses it
        NoProposal,   // the row carries a name only: the advisor empties the grid
    };
    ConnectionType type = ConnectionType::None;
    int row = 0;  // from 1
    std::string section;
    int beamSection = -1;  // the beam designed (two beams share one name: both are designed)
    Kind kind = Kind::Designed;
    ConnectionInput input;
    DesignResult result;  // without the report text
};

// The input the advisor fills from row j of a type's table onto a fresh grid, with the beam at
// `beamSection` and the member grade SS400; nothing when the row proposes no values.
std::optional<ConnectionInput> ProposalInput(ConnectionType type, int j, int beamSection);

// Designs every row of the type's table (of all four tables for None), in row order.
std::vector<ProposalDesign> DesignStandardProposals(ConnectionType type);

}  // namespace jw
