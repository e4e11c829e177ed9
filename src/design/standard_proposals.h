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
    // Why the established row at this place was replaced ("given row replaced: fails ..."), or
    // empty.
    std::string replaced;
};

// The input a row's text fills onto a fresh grid, with the beam at `beamSection` and the member
// grade SS400; nothing when the row proposes no values.
std::optional<ConnectionInput> ProposalInputOfText(ConnectionType type, std::string_view text,
                                                   int beamSection);
// The same for row j of a type's table.
std::optional<ConnectionInput> ProposalInput(ConnectionType type, int j, int beamSection);

// The beam sections (list positions) carrying a name: two beams share one.
std::vector<int> BeamsNamed(std::string_view name);

// How an established row fares on the beams of its name: empty when it passes every check on
// every one, else "fails <check> at <ratio>" for the first it fails on (or why it stops).
std::string EstablishedRowFailure(ConnectionType type, std::string_view text);

// Why row j of a type's table is not the established row at its place: "given row replaced:
// fails ..."; empty when the row is the established one or none was established there.
std::string ReplacementNote(ConnectionType type, int j);

// Designs every row of the type's table (of all four tables for None), in row order.
std::vector<ProposalDesign> DesignStandardProposals(ConnectionType type);

}  // namespace jw
