#include "data/standard_connections.h"

#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"

namespace jw {
namespace {

// A list position written as a field: a whole number, or nothing when it is not one.
std::optional<int> PositionField(std::string_view row, int field) {
    const auto position = RoundCount(LeadingNumber(WordAt(row, field)));
    if (!position) return std::nullopt;
    return *position;
}

std::optional<int> WithinList(std::optional<int> position, int count) {
    if (position && *position >= 0 && *position < count) return position;
    return std::nullopt;
}

}  // namespace

AdvisorProposal ProposalOfText(ConnectionType type, std::string_view row, int j) {
    AdvisorProposal proposal;
    proposal.row = j;
    const int n = WordCount(row);
    // A name with at most two more fields carries no grid values.
    if (n <= 3) {
        proposal.clearsGrid = true;
        return proposal;
    }
    // The last fields are the list positions: (angle,) bolt grade, bolt diameter.
    const int lastValueField = type == ConnectionType::ACLT ? n - 3 : n - 2;
    for (int field = 2; field <= lastValueField; ++field)
        proposal.values.push_back(WordAt(row, field));
    if (type == ConnectionType::ACLT) proposal.angleSection = PositionField(row, n - 2);
    proposal.boltGrade = PositionField(row, n - 1);
    proposal.boltDiameter = PositionField(row, n);
    return proposal;
}

std::span<const std::string_view> StandardRows(ConnectionType type) {
    switch (type) {
        case ConnectionType::WSP:
            return kWspStandardRows;
        case ConnectionType::ACLT:
            return kAcltStandardRows;
        case ConnectionType::BMEP:
            return kBmepStandardRows;
        case ConnectionType::BSPL:
            return kBsplStandardRows;
        case ConnectionType::None:
            break;
    }
    return {};
}

std::string_view StandardRowAt(ConnectionType type, int j) {
    const auto rows = StandardRows(type);
    if (j < 1 || j > static_cast<int>(rows.size())) return {};
    return rows[j - 1];
}

std::optional<AdvisorProposal> StandardProposalAt(ConnectionType type, int j) {
    const auto rows = StandardRows(type);
    if (j < 1 || j > static_cast<int>(rows.size())) return std::nullopt;
    return ProposalOfText(type, rows[j - 1], j);
}

std::optional<AdvisorProposal> AdvisorLookup(ConnectionType type,
                                             std::string_view beamSectionName) {
    std::optional<AdvisorProposal> match;
    const auto rows = StandardRows(type);
    // The scan runs to the end: when two rows carry the same name the later one wins.
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (WordAt(rows[i], 1) == beamSectionName)
            match = ProposalOfText(type, rows[i], static_cast<int>(i) + 1);
    return match;
}

void ApplyAdvisorProposal(const AdvisorProposal& proposal, TextGrid& grid,
                          ConnectionChoices& choices) {
    if (proposal.clearsGrid) {
        for (int row = 1; row < grid.rows; ++row)
            if (grid.Has(row, kValueColumn)) grid.At(row, kValueColumn).clear();
        return;
    }
    for (std::size_t i = 0; i < proposal.values.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (grid.Has(row, kValueColumn)) grid.At(row, kValueColumn) = proposal.values[i];
    }
    if (const auto angle = WithinList(proposal.angleSection, kAngleCount))
        choices.angleSection = *angle;
    if (const auto grade = WithinList(proposal.boltGrade, kBoltGradeCount))
        choices.boltGrade = *grade;
    if (const auto diameter = WithinList(proposal.boltDiameter, kBoltDiameterCount))
        choices.boltDiameter = *diameter;
}

}  // namespace jw
