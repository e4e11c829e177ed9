#include "design/standard_proposals.h"

#include "data/established_rows.h"
#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/standard_connections.h"
#include "data/text_helpers.h"
#include "design/auto_design.h"

namespace jw {
namespace {

DesignResult DesignWithoutReport(const ConnectionInput& input) {
    RunOptions options{""};
    options.formatReport = false;
    return RunDesign(input, options);
}

void DesignRow(ConnectionType type, int j, std::vector<ProposalDesign>& out) {
    ProposalDesign base;
    base.type = type;
    base.row = j;
    base.section = WordAt(StandardRowAt(type, j), 1);
    const std::vector<int> beams = BeamsNamed(base.section);
    if (beams.empty()) {
        base.kind = ProposalDesign::Kind::NotASection;
        out.push_back(std::move(base));
        return;
    }
    const std::string replaced = ReplacementNote(type, j);
    for (int position : beams) {
        ProposalDesign design = base;
        design.beamSection = position;
        design.replaced = replaced;
        const auto input = ProposalInput(type, j, position);
        if (!input) {
            design.kind = ProposalDesign::Kind::NoProposal;
        } else {
            design.input = *input;
            design.result = DesignWithoutReport(design.input);
        }
        out.push_back(std::move(design));
    }
}

}  // namespace

std::optional<ConnectionInput> ProposalInputOfText(ConnectionType type, std::string_view text,
                                                   int beamSection) {
    const AdvisorProposal proposal = ProposalOfText(type, text, 0);
    if (proposal.clearsGrid) return std::nullopt;
    ConnectionInput input;
    input.type = type;
    input.grid = BuildInputGrid(type);
    input.choices.beamSection = beamSection;
    input.choices.memberGrade = kGradeSS400;
    ApplyAdvisorProposal(proposal, input.grid, input.choices);
    return input;
}

std::optional<ConnectionInput> ProposalInput(ConnectionType type, int j, int beamSection) {
    if (!StandardProposalAt(type, j)) return std::nullopt;
    return ProposalInputOfText(type, StandardRowAt(type, j), beamSection);
}

std::vector<int> BeamsNamed(std::string_view name) {
    std::vector<int> beams;
    for (int position = 0; position < kSectionCount; ++position)
        if (SectionName(BeamRowAt(position)) == name) beams.push_back(position);
    return beams;
}

std::string EstablishedRowFailure(ConnectionType type, std::string_view text) {
    for (int beam : BeamsNamed(WordAt(text, 1))) {
        const auto input = ProposalInputOfText(type, text, beam);
        if (!input) continue;
        const DesignResult result = DesignWithoutReport(*input);
        if (result.status == RunStatus::Stopped) return "stops the design: " + result.message;
        if (result.status != RunStatus::Accepted)
            return "fails " + result.governingMode + " at " +
                   FormatFixed(GoverningRatio(result), 2);
    }
    return {};
}

std::string ReplacementNote(ConnectionType type, int j) {
    const EstablishedRow* established = EstablishedRowAt(type, j);
    if (!established || StandardRowAt(type, j) == established->text) return {};
    return "given row replaced: " + EstablishedRowFailure(type, established->text);
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
