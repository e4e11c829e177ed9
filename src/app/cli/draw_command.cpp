#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/load_project.h"
#include "data/design_error.h"
#include "design/design_run.h"
#include "drawing/svg_canvas.h"

namespace jw::cli {
namespace {

constexpr const char* kDrawHelp =
    "Usage: jointwright-cli draw FILE.Bol --svg OUT.svg\n"
    "\n"
    "Draws the connection of a project file to scale without designing it, after the same\n"
    "input check as the preview, and writes the drawing as an SVG file.\n"
    "\n"
    "Exit status: 0 drawn, 2 the input cannot be drawn, 3 the file is not a valid project file.\n";

}  // namespace

int DrawCommand(const Arguments& args) {
    const ParsedArguments parsed = ParseArguments(args, {"--help"}, {"--svg"});
    if (parsed.Has("--help")) {
        std::cout << kDrawHelp;
        return kExitAccepted;
    }
    if (parsed.files.size() != 1) throw UsageError("draw takes exactly one project file");
    const auto out = parsed.Option("--svg");
    if (!out) throw UsageError("draw needs --svg OUT.svg");
    const auto project = LoadProjectForCommand(parsed.files.front());
    if (!project) return kExitBadFile;
    const TextGrid grid = ProjectGrid(*project);
    if (const auto gate = GateFailure(grid, true)) {
        std::cerr << gate->text << "\n";
        return kExitStopped;
    }
    try {
        WriteConnectionSvg(*out, project->type, grid, project->choices);
    } catch (const DesignError& error) {
        std::cerr << error.what() << "\n";
        return kExitStopped;
    }
    return kExitAccepted;
}

}  // namespace jw::cli
