// Standard connections: for every beam section a proposed connection of each type, which the
// connection advisor copies into the input grid and the bolt (and angle) lists.
//
// A row is one text of blank-separated fields, ending in a blank: the beam section name, the
// value texts of the type's input grid rows in row order (mm, kg, kg-cm, counts), for angle
// cleats the angle list position, then the bolt grade and bolt diameter list positions (all
// positions 0-based). A row holding only a name proposes nothing: the advisor empties the grid.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/connection_input.h"
#include "data/text_grid.h"

namespace jw {

// Rows are addressed 1..kMaxStandardRows; the shipped tables fill the first rows of each type.
inline constexpr int kMaxStandardRows = 100;
inline constexpr int kWspStandardRowCount = 94;
inline constexpr int kAcltStandardRowCount = 92;
inline constexpr int kBmepStandardRowCount = 92;
inline constexpr int kBsplStandardRowCount = 92;

extern const std::array<std::string_view, kWspStandardRowCount> kWspStandardRows;
extern const std::array<std::string_view, kAcltStandardRowCount> kAcltStandardRows;
extern const std::array<std::string_view, kBmepStandardRowCount> kBmepStandardRows;
extern const std::array<std::string_view, kBsplStandardRowCount> kBsplStandardRows;

// The rows of a type's table, row 1 first (empty for None).
std::span<const std::string_view> StandardRows(ConnectionType type);
// Row j (from 1) of a type's table; the empty text for a row that holds nothing.
std::string_view StandardRowAt(ConnectionType type, int j);

// What the advisor copies from the matching row.
struct AdvisorProposal {
    int row = 0;                      // the row (from 1) that matched
    bool clearsGrid = false;          // the row carries no values: every value cell is emptied
    std::vector<std::string> values;  // texts for grid rows 1, 2, ... in order
    std::optional<int> angleSection;  // angle cleats only
    std::optional<int> boltGrade;
    std::optional<int> boltDiameter;
};

// What a row's text proposes, read as row j of a type's table.
AdvisorProposal ProposalOfText(ConnectionType type, std::string_view row, int j);

// What row j (from 1) of a type's table proposes, or nothing when there is no such row.
std::optional<AdvisorProposal> StandardProposalAt(ConnectionType type, int j);

// Scans every row of the type's table and returns the last whose name is exactly
// `beamSectionName`; nothing when no row carries the name (the input is then left unchanged).
std::optional<AdvisorProposal> AdvisorLookup(ConnectionType type, std::string_view beamSectionName);

// Applies a proposal as the input form does. Values past the grid's last row and list positions
// outside their lists are ignored, so a malformed row cannot write outside the grid or choose
// an item that does not exist.
void ApplyAdvisorProposal(const AdvisorProposal& proposal, TextGrid& grid,
                          ConnectionChoices& choices);

}  // namespace jw
