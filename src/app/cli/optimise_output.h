// How `optimise` prints what the automatic design found: text with the cheapest connection's
// table and the list of alternatives, or one JSON object.
#pragma once

#include <string>

#include "design/auto_design.h"

namespace jw::cli {

std::string OptimiseText(const AutoDesignRequest& request, const AutoDesignResult& result);
std::string OptimiseJson(const AutoDesignResult& result);

// "cost 52.3 (4 bolts M20, 12 holes, 5.1 kg of steel, 36 cm of weld)".
std::string CostText(const AutoDesignChoice& choice);

}  // namespace jw::cli
