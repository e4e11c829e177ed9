// The worked examples of the further checks of end plates and splices: a published T-stub
// prying example, buildable end plates by both methods of the manual, splices with and
// without inner flange plates, and the bill of materials of the standard splice.
#pragma once

#include <vector>

#include "design/verification_cases.h"

namespace jw {

void VerifyMomentFurtherChecks(std::vector<VerificationOutcome>& out);

}  // namespace jw
