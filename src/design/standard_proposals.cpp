#include "design/standard_proposals.h"

#include "data/grades.h"
#include "data/sections.h"
#include "data/standard_connections.h"
#include "data/text_helpers.h"

namespace jw {
namespace {

void DesignRow(ConnectionType type, int j, std::vector<ProposalDesign>& out) {
    ProposalDesign base;
    base.type = type;
    base.row = j;
    base.section = WordAt(StandardRowAt(type, j), 1);
    bool named = false;
    for (int position = 0; position < kSectionCount; ++position) {
        if (SectionName(BeamRowAt(position)) != base.section) continue;
        named = true;
        ProposalDesign design = base;
        design.beamSection = position;
        const auto input = ProposalInput(type, j, position);
        if (!input) {
            design.kind = ProposalDesign::Kind::NoProposal;
        } else {
            design.input = *input;
            RunOptions options{""};
            options.formatReport = false;
            design.result = RunDesign(design.input, options);
        }
        out.push_back(std::move(design));
    }
    if (!named) {
        base.kind = ProposalDesign::Kind::NotASection;
        out.push_back(std::move(base));
    }
}

}  // namespace

std::optional<ConnectionInput> ProposalInput(ConnectionType type, int j, int beamSection) {
    const auto proposal = StandardProposalAt(type, j);
    if (!proposal || proposal->clearsGrid) return std::nullopt;
    ConnectionInput input;
    input.type = type;
    input.grid = BuildInputGrid(type);
    input.choices.beamSection = beamSection;
    input.choices.memberGrade = kGradeSS400;
    ApplyAdvisorProposal(*proposal, input.grid, input.choices);
    return input;
}

std::vector<ProposalDesign> DesignStandardProposals(ConnectionType type) {
    std::vector<ProposalDesign> designs;
    for (int index = 1; index <= kTypeCount; ++index) {
        const ConnectionType each = TypeFromIndex(index);
        if (type != ConnectionType::None && each != type) continue;
        const int rows = static_cast<int>(StandardRows(each).size());
        for (int j = 1; j <= rows; ++j) DesignRow(each, j, designs);
    }
    return designs;
}

}  // namespace jw
