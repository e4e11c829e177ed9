#include "ui/advisor.h"

namespace jw::ui {

std::optional<AdvisorProposal> StandardProposal(ConnectionType /*type*/, int /*beamPosition*/) {
    return std::nullopt;
}

}  // namespace jw::ui
