#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/load_project.h"
#include "app/cli/pdf_output.h"
#include "app/cli/text_output.h"
#include "data/design_error.h"
#include "drawing/dxf_canvas.h"
#include "drawing/svg_canvas.h"

namespace jw::cli {
namespace {

constexpr const char* kDesignHelp =
    "Usage: jointwright-cli design FILE.Bol [--json] [--report PATH] [--svg OUT.svg]\n"
    "                              [--dxf OUT.dxf] [--pdf OUT.pdf]\n"
    "\n"
    "Designs the connection of a project file, writes the calculation report (result.out in\n"
    "the current folder, or PATH) and prints the result table and summary.\n"
    "\n"
    "  --json         print one JSON object instead of the aligned table\n"
    "  --report PATH  write the report to PATH instead of result.out\n"
    "  --svg OUT.svg  also draw the designed connection to scale as an SVG file\n"
    "  --dxf OUT.dxf  also draw it as a DXF file for CAD, in millimetres, with the layers\n"
    "                 MEMBERS, BOLTS and DIMENSIONS\n"
    "  --pdf OUT.pdf  also write the two-page printed calculation sheet (A4) of an accepted\n"
    "                 connection; a connection that must be redesigned gets no sheet\n"
    "\n"
    "A connection is accepted when every classic row and every further check passes.\n"
    "\n"
    "Exit status: 0 accepted, 1 must be redesigned, 2 the run stopped, 3 the file is not a\n"
    "valid project file.\n";

}  // namespace

int DesignCommand(const Arguments& args) {
    const ParsedArguments parsed =
        ParseArguments(args, {"--json", "--help"}, {"--report", "--svg", "--dxf", "--pdf"});
    if (parsed.Has("--help")) {
        std::cout << kDesignHelp;
        return kExitAccepted;
    }
    if (parsed.files.size() != 1) throw UsageError("design takes exactly one project file");
    const auto pdf = parsed.Option("--pdf");
    if (pdf && !PdfOutputAvailable()) {
        std::cerr << "jointwright-cli: this build has no PDF output (it was built without Qt).\n";
        return kExitStopped;
    }
    const auto project = LoadProjectForCommand(parsed.files.front());
    if (!project) return kExitBadFile;
    const ConnectionInput input{project->type, project->choices, ProjectGrid(*project)};
    const DesignResult result =
        RunDesign(input, RunOptions{parsed.Option("--report").value_or("result.out")});
    if (result.status == RunStatus::Stopped) {
        std::cerr << result.message << "\n";
        return kExitStopped;
    }
    try {
        if (const auto svg = parsed.Option("--svg"))
            WriteConnectionSvg(*svg, input.type, input.grid, input.choices);
        if (const auto dxf = parsed.Option("--dxf"))
            WriteConnectionDxf(*dxf, input.type, input.grid, input.choices);
    } catch (const DesignError& error) {
        std::cerr << error.what() << "\n";
        return kExitStopped;
    }
    // A sheet is what an engineer files and sends: one of a rejected connection is never made.
    if (pdf) {
        if (result.status != RunStatus::Accepted)
            std::cerr << kRedesignMessage << " No sheet was written to " << *pdf << ".\n";
        else if (const int status = WriteSheetPdf(parsed.files.front(), *pdf);
                 status != kExitAccepted)
            return status;
    }
    std::cout << (parsed.Has("--json") ? JsonText(input.type, result) : AlignedText(result));
    return result.status == RunStatus::Accepted ? kExitAccepted : kExitRejected;
}

}  // namespace jw::cli
