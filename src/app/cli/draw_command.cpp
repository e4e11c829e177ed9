#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/load_project.h"
#include "data/design_error.h"
#include "design/design_run.h"
#include "drawing/dxf_canvas.h"
#include "drawing/svg_canvas.h"

namespace jw::cli {
namespace {

constexpr const char* kDrawHelp =
    "Usage: jointwright-cli draw FILE.Bol [--svg OUT.svg] [--dxf OUT.dxf] [--classic]\n"
    "                            [--codepage CP]\n"
    "\n"
    "Draws the connection of a project file to scale without designing it, after the same\n"
    "input check as the preview, and writes the drawing in one or both forms.\n"
    "\n"
    "  --svg OUT.svg  an SVG picture, for documents and browsers\n"
    "  --dxf OUT.dxf  a DXF file for CAD, in millimetres at a plot scale that fits A4, with the\n"
    "                 layers MEMBERS, BOLTS, DIMENSIONS, NOTES and HATCH\n"
    "  --codepage CP  the code page of the project file: cp1252 (the default) or cp874 (Thai)\n"
    "  --classic      the classic drawing (one view, no callouts), for comparison\n"
    "\n"
    "Exit status: 0 drawn, 2 the input cannot be drawn, 3 the file is not a valid project file.\n";

}  // namespace

int DrawCommand(const Arguments& args) {
    const ParsedArguments parsed =
        ParseArguments(args, {"--help", "--classic"}, {"--svg", "--dxf", "--codepage"});
    if (parsed.Has("--help")) {
        std::cout << kDrawHelp;
        return kExitAccepted;
    }
    if (parsed.files.size() != 1) throw UsageError("draw takes exactly one project file");
    const auto svg = parsed.Option("--svg");
    const auto dxf = parsed.Option("--dxf");
    if (!svg && !dxf) throw UsageError("draw needs --svg OUT.svg or --dxf OUT.dxf");
    const auto loaded = LoadProjectForCommand(parsed.files.front(), CodePageOption(parsed));
    if (!loaded) return kExitBadFile;
    const std::vector<InputFile> inputs = {loaded->source.file};
    std::vector<std::string> outputs;
    for (const auto& path : {svg, dxf})
        if (path) outputs.push_back(*path);
    if (!OutputsCanBeWritten(outputs, inputs)) return kExitStopped;
    const Project& project = loaded->project;
    const TextGrid grid = ProjectGrid(project);
    if (const auto gate = GateFailure(grid, true)) {
        std::cerr << gate->text << "\n";
        return kExitStopped;
    }
    const bool classic = parsed.Has("--classic");
    try {
        if (svg &&
            !WriteOutput(
                *svg, DrawConnectionSvg(project.type, grid, project.choices, {.classic = classic}),
                inputs))
            return kExitStopped;
        if (dxf &&
            !WriteOutput(
                *dxf, DrawConnectionDxf(project.type, grid, project.choices, {.classic = classic}),
                inputs))
            return kExitStopped;
    } catch (const DesignError& error) {
        std::cerr << error.what() << "\n";
        return kExitStopped;
    }
    return kExitAccepted;
}

}  // namespace jw::cli
