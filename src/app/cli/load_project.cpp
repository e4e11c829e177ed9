#include "app/cli/load_project.h"

#include <iostream>

namespace jw::cli {

std::optional<Project> LoadProjectForCommand(const std::string& path) {
    try {
        return LoadProjectFile(path);
    } catch (const ProjectFileError& error) {
        std::cerr << path << ": " << error.what() << "\n";
        return std::nullopt;
    }
}

}  // namespace jw::cli
