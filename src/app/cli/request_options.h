// Options of the commands that design for a beam rather than from a project file (optimise,
// capacity): loads, the member grade, the bolts, plates and angles held, and the unit costs.
#pragma once

#include <optional>
#include <string>

#include "app/cli/arguments.h"
#include "design/fabrication_cost.h"

namespace jw::cli {

// A load option, a number of at least 0; 0 when absent and not required.
double LoadOption(const ParsedArguments& parsed, const std::string& name, bool required);
// --grade SS400|SS490|SM520|SM490, SS400 when absent.
int MemberGradeOption(const ParsedArguments& parsed);
// --bolt GRADE: its list position.
std::optional<int> BoltGradeOption(const ParsedArguments& parsed);
// --diameter MM: its list position.
std::optional<int> DiameterOption(const ParsedArguments& parsed);
// --plate MM, whole millimetres from 1 to 100.
std::optional<int> PlateOption(const ParsedArguments& parsed);
// --angle NAME: its list position.
std::optional<int> AngleOption(const ParsedArguments& parsed);
// A whole number option from `least` to `most`.
std::optional<int> CountOption(const ParsedArguments& parsed, const std::string& name, int least,
                               int most);
// --cost-file FILE: the unit costs it gives, the defaults when absent. UsageError naming the
// file and the line when it cannot be read.
UnitCosts CostFileOption(const ParsedArguments& parsed);

}  // namespace jw::cli
