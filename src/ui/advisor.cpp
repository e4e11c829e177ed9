#include "ui/advisor.h"

#include "data/sections.h"

namespace jw::ui {

std::optional<AdvisorProposal> StandardProposal(ConnectionType type, int beamPosition) {
    const std::string_view row = BeamRowAt(beamPosition);
    if (row.empty()) return std::nullopt;
    return AdvisorLookup(type, SectionName(row));
}

}  // namespace jw::ui
