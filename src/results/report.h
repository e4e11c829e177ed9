// The calculation report "result.out": banner, type line and the sections of the type, every
// line ending in CR LF.
#pragma once

#include <string>

#include "data/connection_input.h"
#include "data/design_state.h"
#include "design/report_values.h"

namespace jw {

inline constexpr const char* kProgramName = "JointWright";
inline constexpr const char* kProgramVersion = "1.13";

// The whole report text of a run; empty for no type.
std::string FormatReport(ConnectionType type, const DesignState& s, const ReportValues& rv);

}  // namespace jw
