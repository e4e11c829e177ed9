// The detailed calculation of `design --calc OUT`: plain text, HTML or PDF, chosen by the
// extension of OUT.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/load_project.h"
#include "design/design_run.h"

namespace jw::cli {

enum class CalcFormat { Text, Html, Pdf };

// The format of a path ending in .txt, .html (or .htm) or .pdf, in any case; nothing for any
// other ending.
std::optional<CalcFormat> CalcFormatOf(const std::string& path);

// Checks --calc and --with-calc before anything is written: a --calc path of another kind or
// --with-calc without --pdf is a UsageError.
void CheckCalculationOptions(const ParsedArguments& parsed);

// The project file's name as the calculation's header gives it: the path as given on the command
// line, "(standard input)" for "-".
std::string ProjectFileName(const std::string& path);

// Today's date as the calculation prints it, "2026-08-12": read the same in every country.
std::string CalculationDate();

// Writes the calculation of a finished run (accepted or not) to the --calc path when one is
// given. Returns kExitAccepted when written or not asked for, else the failure's exit status
// after saying why on standard error.
int WriteCalculationOutput(const ParsedArguments& parsed, const LoadedProject& loaded,
                           const std::string& projectPath, const ConnectionInput& input,
                           const DesignResult& result, const std::vector<InputFile>& inputs);

}  // namespace jw::cli
