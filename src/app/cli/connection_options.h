// Options and output shared by the commands that name a connection by its type and beam
// section instead of a project file (advise, optimise, standard).
#pragma once

#include <optional>
#include <string>

#include "app/cli/arguments.h"
#include "data/connection_input.h"

namespace jw::cli {

// The value of a valued option that must be given; UsageError when it is missing.
std::string RequiredOption(const ParsedArguments& parsed, const std::string& name);
// --type WSP|ACLT|BMEP|BSPL, required.
ConnectionType TypeOption(const ParsedArguments& parsed);
// The list position of the first beam section with this exact name; UsageError when no beam
// section has it.
int BeamOption(const std::string& section);

// The input grid (label, value, unit) and the choices, one aligned line each.
std::string InputText(ConnectionType type, const TextGrid& grid, const ConnectionChoices& choices);

}  // namespace jw::cli
