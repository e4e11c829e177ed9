// What the automatic design's part models share: the plates they try, the candidate every
// layout starts from, and which part of a splice a check speaks of.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "design/auto_design_model.h"

namespace jw::autodesign {

// The plate thicknesses tried: the stock, or the one the engineer holds.
std::vector<int> PlateOptions(const Setting& setting);

// A candidate with valid values in every row, so a part can be designed while the other part's
// rows stay as they are.
Candidate BaseCandidate(const Setting& setting);

// Which part of a splice a result table row or a further check speaks of; Both for the other
// types, and for the checks that compare the plies or bolt groups of both parts.
Owner SpliceRowOwner(ConnectionType type, int row);
Owner SpliceCheckOwner(ConnectionType type, std::string_view check);

std::unique_ptr<PartModel> MakeShearWebModel(const Setting& setting);
std::unique_ptr<PartModel> MakeEndPlateModel(const Setting& setting);
std::unique_ptr<PartModel> MakeFlangeSpliceModel(const Setting& setting);

}  // namespace jw::autodesign
