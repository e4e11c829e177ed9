// Reading the project file a command works on, once, and writing its outputs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "project/project_file.h"

namespace jw::cli {

struct LoadedProject {
    Project project;
    ProjectSource source;  // the bytes as read, for the PDF writer
};

// The project at `path` ("-" for standard input) in the code page, or nothing after printing
// "PATH: reason" on standard error.
std::optional<LoadedProject> LoadProjectForCommand(const std::string& path, CodePage page);

// The code page of --codepage cp1252|cp874; Windows-1252 without it. Throws UsageError.
CodePage CodePageOption(const ParsedArguments& parsed);

// Whether every output path can be written without harm to the run's inputs. Says why not on
// standard error ("Cannot write "PATH": reason."), before anything at all is written.
bool OutputsCanBeWritten(const std::vector<std::string>& paths,
                         const std::vector<InputFile>& inputs);

// Writes one output through the safe writer; false after saying why on standard error.
bool WriteOutput(const std::string& path, const std::string& bytes,
                 const std::vector<InputFile>& inputs);

}  // namespace jw::cli
