// Reading the project file a command works on.
#pragma once

#include <optional>
#include <string>

#include "project/project_file.h"

namespace jw::cli {

// The project at `path`, or nothing after printing "PATH: reason" on standard error.
std::optional<Project> LoadProjectForCommand(const std::string& path);

}  // namespace jw::cli
