// Section "I. Further checks" of the calculation report, after the classic sections: each
// further check with its formula, the run's numbers, demand, capacity, ratio and verdict; the
// values derived for them; the warnings; and the connection's verdict as the last line.
#pragma once

#include <string>

#include "design/further/further_checks.h"

namespace jw {

// CR LF line ends, as the rest of the report. `governingMode` names the failing check of
// highest ratio when the connection is not accepted.
std::string FormatFurtherSection(const FurtherChecks& further, bool accepted,
                                 const std::string& governingMode);

// The report's last line without its line end: "Connection: Accept" or
// "Connection: REDESIGNED (governing: MODE)".
std::string ConnectionVerdictLine(bool accepted, const std::string& governingMode);

}  // namespace jw
